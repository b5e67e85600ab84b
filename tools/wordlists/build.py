"""Builds every output file in memory: the 23 lists, the sentence credits and the list table."""

from . import textfile
from .lists import LISTS, lines_of
from .sources import Sources

PHRASE_LISTS = {"TOFEL2", "GRADUATE2", "COLLEGE2", "SPOKEN900"}
CREDITS = "data/tatoeba/CREDITS-sentences.txt"
TABLE = "data/LISTS.md"


def _credits(pairs):
    head = [
        "Tatoeba sentences used in TAVIK's word lists (SPOKEN900; example lines of IELTS3, TAISHA1, TAISHA2)",
        "",
        "Each line: English sentence id (author) & Mandarin sentence id (author), as in the",
        "attribution column of the manythings.org cmn-eng export. Licence: CC BY 2.0 FR,",
        "https://creativecommons.org/licenses/by/2.0/fr/ ; sentences at https://tatoeba.org/",
        "",
    ]
    body = [f"tatoeba.org {pairs[key].credit()}" for key in sorted(pairs)]
    return ("\n".join(head + body) + "\n").encode("utf-8")


NOTES = [
    "",
    "## Line format",
    "",
    "- GBK (code page 936) text, CR LF after every line, no byte-order mark.",
    "- Entries are `word/phonetic/meaning`. The phonetic field uses the ASCII alphabet of the phonetic",
    "  font (5 primary and 7 secondary stress, A æ, B ɑ, C ɔ/ɒ, E ə, F ʃ, I ɪ, J ʊ, N ŋ, Q ʌ, T ð,",
    "  V ʒ, W θ, Z ɛ, \\ ɜ, `:` length), converted from ECDICT; an empty field means no source gave one.",
    "  Senses of one part of speech are joined by \"，\", parts of speech by \"；\".",
    "- Phrase and sentence lists (TOFEL2, GRADUATE2, COLLEGE2, SPOKEN900) use `text/ /meaning`.",
    "- Continuation lines, joined by the reader to the entry above: `  (adj.) English definition`",
    "  (TAISHA1, TAISHA2, BIBLE1, BIBLE2) and `  例: English sentence 中文` (IELTS3, TAISHA1, TAISHA2).",
    "- Headings: `list N first --- last` before every block of TAISHA1/TAISHA2 (the reader drops",
    "  them); `Book N 第…册//` entries open the four parts of NEW.",
    "",
    "## Where the sizes differ",
    "",
    "- TAISHA1, TAISHA2: fewer lines than the originals, which also carried analogies and examples;",
    "  ECDICT keeps at most four English glosses a word and Tatoeba has sentences for few GRE words.",
    "- SPOKEN900: fewer bytes; everyday Tatoeba sentences are shorter than the original's.",
    "- MATH1: more bytes per line, as multi-word terms carry the phonetics of their words.",
]


def _percent(new, old):
    return f"{100 * (new - old) / old:+.0f}%"


def _table(stats):
    rows = [
        "# The packaged word lists",
        "",
        "Built by `python3 tools/make_wordlists.py` from the sources named in `data/CREDITS.md`;",
        "`--check` rebuilds them and compares byte for byte. Tags are ECDICT's exam tags (zk junior",
        "school, gk senior school, cet4, cet6, ky graduate entrance, toefl, ielts, gre); inflected",
        "forms whose meaning only names the form are listed as their lemma. Word books are",
        "alphabetical unless the rule says otherwise. \"orig.\" columns are the sizes of the",
        "original resources in the catalogue.",
        "",
        "| key | caption (tooltip) | rule | entries | lines | bytes | orig. lines | orig. bytes | lines | bytes |",
        "|---|---|---|---|---|---|---|---|---|---|",
    ]
    for item in LISTS:
        entries, lines, size = stats[item.key]
        rows.append(
            f"| {item.key} | {item.caption} ({item.tooltip}) | {item.rule} | {entries} | {lines} | {size} | "
            f"{item.original_lines} | {item.original_bytes} | {_percent(lines, item.original_lines)} | "
            f"{_percent(size, item.original_bytes)} |"
        )
    return ("\n".join(rows + NOTES) + "\n").encode("utf-8")


def build_all():
    """{path relative to the repository root: bytes} of every generated file."""
    sources = Sources()
    files, stats = {}, {}
    for item in LISTS:
        data = textfile.encode(lines_of(item.build(sources)))
        files[f"resources/dic/{item.key}"] = data
        stats[item.key] = (textfile.entry_count(data), data.count(b"\r\n"), len(data))
    files[CREDITS] = _credits(sources.used_pairs)
    files[TABLE] = _table(stats)
    return files


def check_formats(files):
    """Format problems of the built lists, as "KEY: problem" lines."""
    problems = []
    for item in LISTS:
        data = files[f"resources/dic/{item.key}"]
        problems += [f"{item.key}: {p}" for p in textfile.check(data, item.key in PHRASE_LISTS)]
    if files["resources/dic/FORTH"] != files["resources/dic/COLLEGE1"]:
        problems.append("FORTH and COLLEGE1 differ")
    return problems
