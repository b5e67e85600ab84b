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
    tooltip: str
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
    senior = [w for w in src.tagged("gk") if w not in set(junior)]
    school = set(junior) | set(senior)
    college = src.by_rank([w for w in src.without(src.tagged("cet4"), *SCHOOL) if w not in school])
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


def _list(key, caption, tooltip, size, rule, build):
    return WordList(key, caption, tooltip, rule, size[0], size[1], build)


# key, button caption and tooltip, size of the original resource (bytes, lines), rule, builder
LISTS = (
    _list("GRE1", "红宝 GRE", "红宝 Gre99加补充词汇", (244392, 6715),
          "ECDICT words tagged gre, except school words (zk, gk)", gre_book),
    _list("GMAT1", "GMAT Word", "GMAT 词汇", (92556, 2449),
          "words tagged both gre and toefl, except cet4 words", gmat),
    _list("TOFEL1", "Tofel Word", "托福词汇", (104132, 3352),
          "words tagged toefl, except school and CET words (zk, gk, cet4, cet6)", toefl),
    _list("TOFEL2", "Tofel Phrase", "托福短语", (28912, 949),
          "phrases of the toefl, ielts and gre phrase lists and ECDICT's frequency-marked phrases, "
          "each with a trusted ECDICT gloss", toefl_phrases),
    _list("IELTS1", "雅思精简版", "雅思精简版词汇", (20620, 762),
          "the 750 most frequent ielts words beyond zk, gk and cet4; two senses each", ielts_core),
    _list("GRADUATE1", "Pre-Graduate Word", "研究生入学考试词汇", (179504, 5421),
          "words tagged ky", graduate),
    _list("GRADUATE2", "Pre-Graduate Phrase", "研究生入学考试短语", (23628, 757),
          "760 npee phrases with a trusted gloss: those in most of the ten exam phrase lists first, "
          "then those most used in Tatoeba", graduate_phrases),
    _list("COLLEGE1", "College English Word", "大学英语词汇", (135204, 4054),
          "words tagged cet4 (the same file as FORTH)", cet4),
    _list("COLLEGE2", "College English Phase", "大学英语短语", (68100, 2145),
          "cet4 phrases with a trusted ECDICT gloss", college_phrases),
    _list("SIXTH", "CET-6 Word", "大学英语六级词汇", (47392, 1287),
          "the 1300 most frequent cet6 words beyond zk, gk and cet4", cet6),
    _list("FORTH", "CET-4 Word", "大学英语四级词汇", (135204, 4054),
          "words tagged cet4", cet4),
    _list("NEW", "新概念英语词汇", "新概念英语词汇", (166584, 5713),
          "Book 1: zk; Book 2: gk but not zk; Books 3 and 4: cet4 beyond school, "
          "the more frequent half in Book 3", new_concept),
    _list("SPOKEN900", "口语  900句", "口语 900句", (50852, 959),
          "900 everyday Tatoeba sentences of 3 to 11 school words, no names, varied", spoken900),
    _list("MATH1", "Gre Mathematic Word", "Gre数学词汇", (6264, 267),
          "the project's GRE math term list; Chinese attested in ECDICT or CC-CEDICT", math),
    _list("PP2", "PP2 Word", "ETS 机考模拟题词汇", (18136, 461),
          "GRE words beyond cet4 and cet6, frequency ranks 601 to 1050", pp2),
    _list("GRE2", "Gre 600 Most Word", "Gre600常用词汇", (23456, 601),
          "the 600 most frequent GRE words beyond cet4 and cet6", gre600),
    _list("TAISHA1", "黑宝 7月 List: 1--15", "黑宝 7月词汇List: 1--15", (639900, 14640),
          "all gre words, first half, lists 1-15; English definitions and a Tatoeba example where "
          "one fits", lambda s: taisha_half(s, True)),
    _list("TAISHA2", "黑宝 7月 List:16--30", "黑宝 7月词汇 List:16--30", (604132, 13887),
          "all gre words, second half, lists 16-30; English definitions and a Tatoeba example where "
          "one fits", lambda s: taisha_half(s, False)),
    _list("TAISHA3", "黑宝 7月      精简版", "黑宝 7月精简版词汇", (99132, 3074),
          "the 3000 most frequent gre words beyond zk, gk and cet4", taisha_core),
    _list("IELTS3", "雅思完全版", "雅思词汇完全版", (316524, 7675),
          "words tagged ielts, with a Tatoeba example sentence where one fits", ielts_full),
    _list("BIBLE3", "GRE笔考填空单词", "Gre笔考填空单词", (41472, 920),
          "the (up to) 900 most frequent GRE words beyond CET-6 whose first English definition "
          "expresses judgement or attitude", completion),
    _list("BIBLE1", "蓝宝 720版 A--I", "蓝宝词汇720版 A--I", (361712, 7632),
          "gre and toefl words A to I; an English definition for words beyond CET and ky",
          lambda s: bible_half(s, "abcdefghi")),
    _list("BIBLE2", "蓝宝 720版 J--Z", "蓝宝词汇720版 J--Z", (351372, 7451),
          "gre and toefl words J to Z; an English definition for words beyond CET and ky",
          lambda s: bible_half(s, "jklmnopqrstuvwxyz")),
)
