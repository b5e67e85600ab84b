"""Builds TAVIK's packaged word lists from the open data kept under data/."""

from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent.parent
DATA = ROOT / "data"
OUTPUT = ROOT / "resources" / "dic"
