"""The 23 packaged lists: catalogue data and the rule that builds each one."""

from dataclasses import dataclass

from . import definitions
from . import mathterms
from . import meaning as meanings
from . import phrases
from . import selection
from .vocab import Entry, sort_key

SCHOOL = ("zk", "gk")
COLLEGE = ("zk", "gk", "cet4", "cet6")


@dataclass(frozen=True)
class WordList:
    key: str
    caption: str
    rule: str
    original_bytes: int
    original_lines: int
    build: object  # Sources -> list of Entry objects and heading strings


def lines_of(items):
    out = []
    for item in items:
        out.extend(item.lines() if isinstance(item, Entry) else [item])
    return out


# --- word books ---


def gre_book(src):
    return src.entries(src.without(src.tagged("gre"), *SCHOOL), budget=28)


def gre_ranked(src):
    """GRE words beyond CET-6, most frequent first."""
    return src.by_rank(src.without(src.tagged("gre"), "cet4", "cet6"))


def gre600(src):
    return src.entries(gre_ranked(src)[:600], budget=40)


def pp2(src):
    return src.entries(gre_ranked(src)[600:1050], budget=40)


def gmat(src):
    words = set(src.tagged("gre")) & set(src.tagged("toefl"))
    return src.entries(src.without(sorted(words), "cet4"), budget=34)


def toefl(src):
    return src.entries(src.without(src.tagged("toefl"), *COLLEGE), budget=22)


def ielts_core(src):
    words = src.by_rank(src.without(src.tagged("ielts"), "zk", "gk", "cet4"))[:750]
    return src.entries(words, budget=17, max_senses=2)


def add_examples(src, entries):
    """Appends a Tatoeba example line ("  例: ...") to the entries that have one."""
    rows = [src.dictionary.get(e.word) for e in entries]
    found = selection.examples(src.pairs, rows, src.dictionary)
    for entry in entries:
        pair = found.get(entry.word)
        if pair:
            src.credit(pair)
            entry.extra.append(f"  例: {pair.english} {pair.chinese}")
    return entries


def ielts_full(src):
    return add_examples(src, src.entries(src.tagged("ielts"), budget=34))


def graduate(src):
    return src.entries(src.tagged("ky"), budget=28)


def cet4(src):
    return src.entries(src.tagged("cet4"), budget=28)


def cet6(src):
    words = src.by_rank(src.without(src.tagged("cet6"), "zk", "gk", "cet4"))[:1300]
    return src.entries(words, budget=30)


def new_concept(src):
    junior = src.tagged("zk")
    senior = src.without(src.tagged("gk"), "zk")
    college = src.by_rank(src.without(src.tagged("cet4"), *SCHOOL))
    half = (len(college) + 1) // 2
    books = (
        ("Book 1 第一册", junior),
        ("Book 2 第二册", senior),
        ("Book 3 第三册", college[:half]),
        ("Book 4 第四册", college[half:]),
    )
    out = []
    for title, words in books:
        out.append(Entry(title, "", ""))
        out.extend(src.entries(words, budget=24, max_senses=3))
    return out


def math(src):
    return mathterms.entries(src.vocabulary)


# --- books with English definitions ---


def english_lines(src, word, max_lines, limit):
    row = src.dictionary.get(word)
    order = meanings.parts_of_speech(row.translation, src.vocabulary.glossed(word))
    return definitions.continuation_lines(row.definition, max_lines, limit, order)


def with_definitions(src, words, budget, max_lines, limit):
    out = src.entries(words, budget)
    for entry in out:
        entry.extra = english_lines(src, entry.word, max_lines, limit)
    return out


def taisha_half(src, first_half):
    words = src.tagged("gre")
    cut = (len(words) + 1) // 2
    part = words[:cut] if first_half else words[cut:]
    entries = add_examples(src, with_definitions(src, part, budget=48, max_lines=4, limit=72))
    out = []
    for i in range(15):
        block = entries[i * len(entries) // 15 : (i + 1) * len(entries) // 15]
        number = i + 1 if first_half else i + 16
        out.append(f"list {number} {block[0].word} --- {block[-1].word}")
        out.extend(block)
    return out


def taisha_core(src):
    words = src.by_rank(src.without(src.tagged("gre"), *SCHOOL, "cet4"))[:3000]
    return src.entries(words, budget=26)


def bible_half(src, letters):
    words = [w for w in src.tagged("gre", "toefl") if w[0].lower() in letters]
    out = src.entries(words, budget=30)
    basic = set(COLLEGE) | {"ky"}
    for entry in out:
        row = src.dictionary.get(entry.word)
        if not row.tags & basic:
            entry.extra = english_lines(src, entry.word, 1, 56)
    return out


def completion(src):
    words = [w for w in src.without(src.tagged("gre"), *COLLEGE) if selection.shows_judgement(src.dictionary.get(w))]
    return src.entries(src.by_rank(words)[:900], budget=40)


# --- sentences and phrases ---


def spoken900(src):
    out = []
    for pair in selection.spoken(src.pairs, src.dictionary, 900):
        src.credit(pair)
        out.append(Entry(pair.english, " ", pair.chinese))
    return out


def toefl_phrases(src):
    pool = []
    for exam in ("toefl", "ielts", "gre"):
        pool += phrases.load_exam(exam)
    pool += phrases.load_ecdict_phrases()
    entries = src.phrase_entries(pool, budget=40)
    return sorted(entries, key=lambda e: sort_key(e.word))


def graduate_phrases(src):
    pool = phrases.load_exam("npee")
    counts = phrases.exam_counts()
    usage = phrases.corpus_counts([p.text for p in pool], [p.english for p in src.pairs], src.forms_of)
    entries = src.phrase_entries(pool, budget=36)

    def weight(entry):
        key = phrases.normal(entry.word)
        return (-counts.get(key, 0), -usage.get(key, 0), sort_key(entry.word))

    return sorted(sorted(entries, key=weight)[:760], key=lambda e: sort_key(e.word))


def college_phrases(src):
    entries = src.phrase_entries(phrases.load_exam("cet4"), budget=30)
    return sorted(entries, key=lambda e: sort_key(e.word))


LISTS = (
    WordList("GRE1", "红宝 Gre99加补充词汇", "ECDICT words tagged gre, without school words (zk, gk)", 244392, 6715, gre_book),
    WordList("GMAT1", "GMAT 词汇", "words tagged both gre and toefl, without cet4 words", 92556, 2449, gmat),
    WordList("TOFEL1", "托福词汇", "words tagged toefl, without school and CET words (zk, gk, cet4, cet6)", 104132, 3352, toefl),
    WordList("TOFEL2", "托福短语", "phrases of the toefl, ielts and gre phrase lists plus ECDICT's ranked phrases, each with a trusted ECDICT gloss", 28912, 949, toefl_phrases),
    WordList("IELTS1", "雅思精简版词汇", "the 750 most frequent ielts words beyond zk, gk and cet4; two senses each", 20620, 762, ielts_core),
    WordList("GRADUATE1", "研究生入学考试词汇", "words tagged ky", 179504, 5421, graduate),
    WordList("GRADUATE2", "研究生入学考试短语", "760 npee phrases with a trusted gloss: those in most exam lists first, then the most used in Tatoeba", 23628, 757, graduate_phrases),
    WordList("COLLEGE1", "大学英语词汇", "words tagged cet4 (same file as FORTH)", 135204, 4054, cet4),
    WordList("COLLEGE2", "大学英语短语", "cet4 phrases with a trusted ECDICT gloss", 68100, 2145, college_phrases),
    WordList("SIXTH", "大学英语六级词汇", "the 1300 most frequent cet6 words beyond zk, gk and cet4", 47392, 1287, cet6),
    WordList("FORTH", "大学英语四级词汇", "words tagged cet4", 135204, 4054, cet4),
    WordList("NEW", "新概念英语词汇", "Book 1: zk; Book 2: gk not zk; Books 3 and 4: cet4 beyond school, the more frequent half first", 166584, 5713, new_concept),
    WordList("SPOKEN900", "口语 900句", "900 short everyday Tatoeba sentences (school words only, no names, varied)", 50852, 959, spoken900),
    WordList("MATH1", "Gre数学词汇", "the project's GRE math term list; Chinese attested in ECDICT or CC-CEDICT", 6264, 267, math),
    WordList("PP2", "ETS 机考模拟题词汇", "GRE words beyond cet4/cet6 ranked 601 to 1050 by frequency", 18136, 461, pp2),
    WordList("GRE2", "Gre600常用词汇", "the 600 most frequent GRE words beyond cet4/cet6", 23456, 601, gre600),
    WordList("TAISHA1", "黑宝 7月词汇List: 1--15", "all gre words, first half, lists 1-15; English definitions and a Tatoeba example where one fits", 639900, 14640, lambda s: taisha_half(s, True)),
    WordList("TAISHA2", "黑宝 7月词汇 List:16--30", "all gre words, second half, lists 16-30; English definitions and a Tatoeba example where one fits", 604132, 13887, lambda s: taisha_half(s, False)),
    WordList("TAISHA3", "黑宝 7月精简版词汇", "the 3000 most frequent gre words beyond zk, gk and cet4", 99132, 3074, taisha_core),
    WordList("IELTS3", "雅思词汇完全版", "words tagged ielts, with a Tatoeba example sentence where one fits", 316524, 7675, ielts_full),
    WordList("BIBLE3", "Gre笔考填空单词", "900 most frequent GRE words beyond CET-6 whose definition expresses judgement or attitude", 41472, 920, completion),
    WordList("BIBLE1", "蓝宝词汇720版 A--I", "gre and toefl words A to I; words beyond CET/ky with an English definition", 361712, 7632, lambda s: bible_half(s, "abcdefghi")),
    WordList("BIBLE2", "蓝宝词汇720版 J--Z", "gre and toefl words J to Z; words beyond CET/ky with an English definition", 351372, 7451, lambda s: bible_half(s, "jklmnopqrstuvwxyz")),
)
