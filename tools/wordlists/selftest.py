"""Tests of the generator's own rules; `make_wordlists.py --check` runs them before it rebuilds."""

import io
import sys
import unittest

from . import definitions, meaning, phonetic, textfile


class PhoneticTest(unittest.TestCase):
    def test_ecdict_symbols_map_to_the_font_alphabet(self):
        cases = [
            ("ә'bændәn", "abandon", "E5bAndEn"),
            (".æbni'geiʃәn", "abnegation", "7Abni5geiFEn"),
            ("ˌɪnədˈvɜ:təntli", "inadvertently", "7InEd5v\\:tEntli"),
            ("di's\\\\\\\\:niŋ", "discerning", "di5s\\:niN"),
            ("'kæti^әraiz", "categorize", "5kAtigEraiz"),
            ("'dєә.devәl", "daredevil", "5dZE7devEl"),
            ("'ɔ:in,spaiәriŋ", "awe-inspiring", "5C:in7spaiEriN"),
            ("θiŋ ðә ʒ", "x y", "WiN TE V"),
        ]
        for raw, word, expected in cases:
            self.assertEqual(phonetic.to_ascii(raw, word), expected, raw)

    def test_only_the_first_of_several_pronunciations_is_kept(self):
        cases = [
            ("ә'bju:s.ә'bju:z", "abuse", "E5bju:s"),
            ("bæθ.bɑ:θ", "bath", "bAW"),
            ("'ælai. ә'lai", "ally", "5Alai"),
            ("'kɔndʌkt, -dәkt", "conduct", "5kCndQkt"),
            ("bɔnɔ'mi:; (?@) bɔnә'mi:", "bonhomie", "bCnC5mi:"),
            (",si^ә'ret,'si-", "cigaret", "7sigE5ret"),
            ("'bai,pedəl,bai'pe-", "bipedal", "5bai7pedEl"),
        ]
        for raw, word, expected in cases:
            self.assertEqual(phonetic.to_ascii(raw, word), expected, raw)

    def test_j_is_upsilon_unless_a_vowel_follows(self):
        self.assertEqual(phonetic.to_ascii("bi'hәjldә(r)", "beholder"), "bi5hEJldE")
        self.assertEqual(phonetic.to_ascii("'petjjlәns; -tʃә-", "petulance"), "5petjJlEns")
        self.assertEqual(phonetic.to_ascii("'nәjiŋli", "knowingly"), "5nEJiNli")
        self.assertEqual(phonetic.to_ascii("bi'heivjә", "behaviour"), "bi5heivjE")

    def test_spaces_belong_only_to_several_words(self):
        self.assertEqual(phonetic.to_ascii("nju: 'triʃәnәl", "nutritional"), "nju:5triFEnEl")
        self.assertEqual(phonetic.to_ascii("p\\: 'kæpitә", "per capita"), "p\\: 5kApitE")

    def test_unknown_symbol_fails_loudly_and_broken_field_gives_nothing(self):
        with self.assertRaises(phonetic.PhoneticError):
            phonetic.to_ascii("ʔә", "glottal")
        self.assertEqual(phonetic.to_ascii("-fitʃә", "discomfiture"), "")

    def test_regular_inflections_follow_the_last_sound(self):
        self.assertEqual(phonetic.inflected("accidents", "accident", "s", "5AksidEnt"), "5AksidEnts")
        self.assertEqual(phonetic.inflected("boxes", "box", "s", "bCks"), "bCksiz")
        self.assertEqual(phonetic.inflected("wanted", "want", "d", "wCnt"), "wCntid")
        self.assertEqual(phonetic.inflected("hoped", "hope", "d", "hEup"), "hEupt")
        self.assertEqual(phonetic.inflected("flickering", "flicker", "i", "5flikE"), "5flikEriN")
        self.assertEqual(phonetic.inflected("knives", "knife", "s", "naif"), "")


class MeaningTest(unittest.TestCase):
    def test_senses_become_one_tidy_line(self):
        text = "vt. 放弃, 抛弃\\nn. 放任\\n[计] 放弃"
        self.assertEqual(meaning.meaning(text, 100), "vt. 放弃，抛弃；n. 放任")
        self.assertEqual(meaning.meaning("a. 合适的 ( 尤指 ) /正当的", 100), "adj. 合适的（尤指）／正当的")

    def test_budget_keeps_the_first_sense_and_a_form_note(self):
        text = "vt. 建立, 创立, 铸造\\nfind的过去式和过去分词"
        self.assertEqual(meaning.meaning(text, 8), "vt. 建立；find的过去式和过去分词")
        self.assertEqual(meaning.meaning(text, 8, word="found"), "vt. 建立；find的过去式和过去分词")
        self.assertEqual(meaning.meaning("n. 跑\\nrun的过去分词", 60, word="run"), "n. 跑")

    def test_forms_and_characters_outside_gbk(self):
        self.assertTrue(meaning.only_forms("n. 意外事故；事故（accident的复数）"))
        self.assertFalse(meaning.only_forms("a. 醒目的, 惊人的"))
        self.assertEqual(meaning.gbk_safe("\ue7ab嗦\u20ac\u2502"), "啰嗦")

    def test_parts_of_speech_without_gloss_go_last(self):
        text = "a. 分裂的\\nvt. 使分裂"
        self.assertEqual(meaning.meaning(text, 100, glossed=frozenset({"v."})), "vt. 使分裂；adj. 分裂的")


class DefinitionTest(unittest.TestCase):
    def test_glosses_become_continuation_lines(self):
        text = "n. the trait of lacking restraint\\nv. forsake, leave behind\\na. Old style sentence."
        lines = definitions.continuation_lines(text, 3, 60, order=["v.", "n."])
        self.assertEqual(lines, ["  (v.) forsake, leave behind", "  (n.) the trait of lacking restraint"])
        for line in lines:
            self.assertEqual(textfile.line_kind(line), "continuation")


class ReaderRuleTest(unittest.TestCase):
    def test_split_follows_the_reader(self):
        self.assertEqual(textfile.split_entry("abacus//n.算盘"), ("abacus", "", "n.算盘"))
        self.assertEqual(
            textfile.split_entry("a great/good deal of/ /  大量（的）"), ("a great", "good deal of", " /  大量（的）")
        )
        self.assertEqual(textfile.split_entry("adulterate//vt. 掺杂//adj. 伪造的")[2], "vt. 掺杂//adj. 伪造的")

    def test_line_kinds(self):
        self.assertEqual(textfile.line_kind("abandon:inhibition=conscious:numbness"), "continuation")
        self.assertEqual(textfile.line_kind(":only at the start"), "dropped")
        self.assertEqual(textfile.line_kind("a:b"), "continuation")
        self.assertEqual(textfile.line_kind("full width（括号）"), "dropped")
        self.assertEqual(textfile.line_kind("list 1 abacus --- aloof"), "dropped")


class FormatCheckTest(unittest.TestCase):
    GOOD = ["list 1 abandon --- abase", "abandon/E5bAndEn/vt. 放弃", "  (v.) give up", "abase/E5beis/vt. 贬抑"]

    def problems(self, lines, phrase_list=False):
        return textfile.check(textfile.encode(lines), phrase_list)

    def test_sound_list_passes(self):
        self.assertEqual(self.problems(self.GOOD), [])
        self.assertEqual(self.problems(["Book 1 第一册//", "a/ei/一个"]), [])
        self.assertEqual(self.problems(["How are you?/ /你好吗？"], phrase_list=True), [])

    def test_each_fault_is_reported(self):
        faults = [
            ["abandon/E5bAndEn/"],  # empty meaning
            ["abandon/放弃"],  # one slash
            ["abandon/E5b安dEn/vt. 放弃"],  # phonetic outside the alphabet
            ["  (v.) give up", "abandon/E5bAndEn/vt. 放弃"],  # continuation before the first entry
            ["abandon/E5bAndEn/vt. 放弃", "a stray line"],  # dropped line that is no heading
            ["abandon/E5bAndEn/vt. 放弃", "list 2 a(b) --- c"],  # heading the reader keeps
            ["/E5bAndEn/vt. 放弃"],  # no word
            ["abandon/E5bAndEn/vt. 放弃", "abandon/E5bAndEn/n. 放任"],  # the same word twice
        ]
        for lines in faults:
            self.assertNotEqual(self.problems(lines), [], lines)
        self.assertNotEqual(self.problems(["a great deal/E/很多"], phrase_list=True), [])

    def test_byte_level_faults(self):
        good = textfile.encode(self.GOOD)
        self.assertNotEqual(textfile.check(b"\xef\xbb\xbf" + good), [])
        self.assertNotEqual(textfile.check(good.replace(b"\r\n", b"\n")), [])
        self.assertNotEqual(textfile.check(good[:-2]), [])
        self.assertNotEqual(textfile.check(good + b"a/a/\x80\r\n"), [])  # the euro sign of code page 936
        self.assertNotEqual(textfile.check(b"\xff\xff\r\n"), [])

    def test_entry_limit(self):
        lines = [f"w{i}/w/词" for i in range(textfile.MAX_ENTRIES)]
        self.assertEqual(self.problems(lines), [])
        self.assertNotEqual(self.problems(lines + ["one/wQn/一"]), [])


def run():
    """True when every test passes; the report of a failure is printed to stderr."""
    suite = unittest.defaultTestLoader.loadTestsFromModule(sys.modules[__name__])
    report = io.StringIO()
    result = unittest.TextTestRunner(stream=report, verbosity=0).run(suite)
    if not result.wasSuccessful():
        print(report.getvalue(), file=sys.stderr)
    return result.wasSuccessful()
