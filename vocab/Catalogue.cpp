#include "vocab/Catalogue.h"

#include <QtGlobal>

const std::array<CatalogueEntry, CatalogueSize>& Catalogue()
{
    using K = CatalogueEntry::Kind;
    static const std::array<CatalogueEntry, CatalogueSize> entries{{
        {1, u"红宝 GRE"_qs, u"红宝 Gre99加补充词汇"_qs, u"GRE1"_qs, K::PackagedList},
        {2, u"GMAT Word"_qs, u"GMAT 词汇"_qs, u"GMAT1"_qs, K::PackagedList},
        {3, u"Tofel Word"_qs, u"托福词汇"_qs, u"TOFEL1"_qs, K::PackagedList},
        {4, u"Tofel Phrase"_qs, u"托福短语"_qs, u"TOFEL2"_qs, K::PackagedList},
        {5, u"雅思精简版"_qs, u"雅思精简版词汇"_qs, u"IELTS1"_qs, K::PackagedList},
        {6, u"Pre-Graduate Word"_qs, u"研究生入学考试词汇"_qs, u"GRADUATE1"_qs, K::PackagedList},
        {7, u"Pre-Graduate Phrase"_qs, u"研究生入学考试短语"_qs, u"GRADUATE2"_qs, K::PackagedList},
        {8, u"College English Word"_qs, u"大学英语词汇"_qs, u"COLLEGE1"_qs, K::PackagedList},
        {9, u"College English Phase"_qs, u"大学英语短语"_qs, u"COLLEGE2"_qs, K::PackagedList},
        {10, u"CET-6 Word"_qs, u"大学英语六级词汇"_qs, u"SIXTH"_qs, K::PackagedList},
        {11, u"CET-4 Word"_qs, u"大学英语四级词汇"_qs, u"FORTH"_qs, K::PackagedList},
        {12, u"新概念英语词汇"_qs, u"新概念英语词汇"_qs, u"NEW"_qs, K::PackagedList},
        {13, u"口语  900句"_qs, u"口语 900句"_qs, u"SPOKEN900"_qs, K::PackagedList},
        {14, u"Gre Mathematic Word"_qs, u"Gre数学词汇"_qs, u"MATH1"_qs, K::PackagedList},
        {15, u"PP2 Word"_qs, u"ETS 机考模拟题词汇"_qs, u"PP2"_qs, K::PackagedList},
        {16, u"笔 记 本"_qs, u"笔记本"_qs, QString(), K::NoteFile},
        {17, u"Gre 600 Most Word"_qs, u"Gre600常用词汇"_qs, u"GRE2"_qs, K::PackagedList},
        {18, u"黑宝 7月 List: 1--15"_qs, u"黑宝 7月词汇List: 1--15"_qs, u"TAISHA1"_qs, K::PackagedList},
        {19, u"黑宝 7月 List:16--30"_qs, u"黑宝 7月词汇 List:16--30"_qs, u"TAISHA2"_qs, K::PackagedList},
        {20, u"黑宝 7月      精简版"_qs, u"黑宝 7月精简版词汇"_qs, u"TAISHA3"_qs, K::PackagedList},
        {21, u"雅思完全版"_qs, u"雅思词汇完全版"_qs, u"IELTS3"_qs, K::PackagedList},
        {22, u"GRE笔考填空单词"_qs, u"Gre笔考填空单词"_qs, u"BIBLE3"_qs, K::PackagedList},
        {23, u"蓝宝 720版 A--I"_qs, u"蓝宝词汇720版 A--I"_qs, u"BIBLE1"_qs, K::PackagedList},
        {24, u"蓝宝 720版 J--Z"_qs, u"蓝宝词汇720版 J--Z"_qs, u"BIBLE2"_qs, K::PackagedList},
        {25, u"..."_qs, u"笔记本位置"_qs, QString(), K::NoteLocation},
    }};
    return entries;
}

const CatalogueEntry& CatalogueEntryOf(int number)
{
    Q_ASSERT(number >= 1 && number <= CatalogueSize);
    return Catalogue().at(static_cast<std::size_t>(number - 1));
}
