"""The binding declares every export of the library as its header does."""
import os

import zvk
from zvk import _binding, _headers

ROOT = os.path.join(os.path.dirname(__file__), "..", "..")


def test_every_export_is_bound_with_the_declaration_of_its_header():
    with open(os.path.join(ROOT, "src", "api", "exports.txt")) as f:
        exports = f.read().split()
    # The headers as they are now, read afresh, against what the package loaded.
    text = _headers.generate(os.path.join(ROOT, "include"), os.environ.get("CC", "cc"))
    headers = _binding.parse(text)[2]
    assert exports
    assert [n for n in exports if n not in headers] == []
    assert {n: zvk.declarations.get(n) for n in exports if zvk.declarations.get(n) != headers[n]} == {}
    assert [n for n in exports if not hasattr(zvk.lib, n)] == []
