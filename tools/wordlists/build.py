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
        "| key | tooltip | rule | entries | lines | bytes | orig. lines | orig. bytes | lines | bytes |",
        "|---|---|---|---|---|---|---|---|---|---|",
    ]
    for item in LISTS:
        entries, lines, size = stats[item.key]
        rows.append(
            f"| {item.key} | {item.caption} | {item.rule} | {entries} | {lines} | {size} | "
            f"{item.original_lines} | {item.original_bytes} | {_percent(lines, item.original_lines)} | "
            f"{_percent(size, item.original_bytes)} |"
        )
    return ("\n".join(rows) + "\n").encode("utf-8")


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
