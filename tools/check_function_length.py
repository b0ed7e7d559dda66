#!/usr/bin/env python3
"""Measures every function body in the C++ sources: warns above 60 lines, fails above 150.

A body is a brace block opened at namespace or class level after a
parenthesised header (a function, a member function, a test macro); lambdas
and blocks inside it count towards it. Constructor initialiser braces are
told apart from the body. Usage: check_function_length.py [files...]
(default: every C++ source in the repository).
"""
import pathlib
import re
import sys

from source_files import cpp_sources

ROOT = pathlib.Path(__file__).resolve().parent.parent
WARN = 60
FAIL = 150
SCOPE_KEYWORDS = re.compile(r"^(template\s*<.*>\s*)?(namespace|class|struct|union|enum|extern)\b")
CTOR_INIT = re.compile(r"\)[^()]*?(?<!:):(?!:)")
LITERAL = re.compile(r'R"([^(\s]*)\(.*?\)\1"|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)
COMMENT = re.compile(r"//[^\n]*|/\*.*?\*/", re.S)
TOKENS = re.compile(f"{COMMENT.pattern}|{LITERAL.pattern}", re.S)


def blank(match):
    """Keeps the line breaks of a removed literal or comment, so line numbers stay."""
    return re.sub(r"[^\n]", " ", match.group(0))


def strip(text):
    """Source without preprocessor lines, comments and literal contents."""
    text = re.sub(r"^[ \t]*#[^\n]*(\\\n[^\n]*)*", blank, text, flags=re.M)

    def replace(match):
        if match.group(0).startswith(("//", "/*")):
            return blank(match)
        return '""' + "\n" * match.group(0).count("\n")

    return TOKENS.sub(replace, text)


def kind_of(header, before):
    """What a brace opened at namespace or class level starts."""
    header = " ".join(header.split())
    if not header or SCOPE_KEYWORDS.match(header) or "(" not in header:
        return "scope" if SCOPE_KEYWORDS.match(header) else "other"
    if header.lstrip().startswith("=") or re.search(r"=\s*$", header):
        return "other"
    if CTOR_INIT.search(header) and (before.isalnum() or before in "_>"):
        return "init"
    return "function"


def functions(text):
    """(first line, last line) of every function body in stripped source."""
    found, stack, header, line = [], [], "", 1
    body_start = None
    for i, ch in enumerate(text):
        if ch == "\n":
            line += 1
        in_function = any(kind == "function" for kind, _ in stack)
        if ch == "{":
            kind = "block"
            if not in_function:
                before = text[:i].rstrip()[-1:] or " "
                kind = kind_of(header, before)
            stack.append((kind, line))
            if kind == "function":
                body_start = line
            if kind != "init":
                header = ""
        elif ch == "}":
            kind, _ = stack.pop() if stack else ("other", line)
            if kind == "function":
                found.append((body_start, line))
            if kind != "init":
                header = ""
        elif ch == ";" and not in_function:
            header = ""
        elif not in_function:
            header += ch
    return found


SAMPLE = r"""
namespace n {
enum class E { A, B };
struct P { int x; };
const P g_p = {1};
auto g_f = [] { return 1; };
class C {
public:
    C(int a) : m_a(a), m_b{2} {
        m_a++;
    }
    int Get() const { return m_a; }
private:
    int m_a, m_b;
};
int Free(const char* s) {
    const char* t = "}{";  // }
    auto l = [&] {
        return s[0] == '{';
    };
    /* { */ return l() + R"x({)x"[0];
}
TEST(Suite, Name) {
    EXPECT_TRUE(true);
}
}  // namespace n
"""


def self_test():
    """The bodies of SAMPLE, by first and last line."""
    expected = [(9, 11), (12, 12), (16, 22), (23, 25)]
    got = functions(strip(SAMPLE))
    print(f"self-test: found {got}, expected {expected}")
    return 0 if got == expected else 1


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    paths = [pathlib.Path(p) for p in sys.argv[1:]] or cpp_sources(ROOT)
    warnings = failures = 0
    for path in paths:
        rel = path.resolve().relative_to(ROOT).as_posix() if path.is_absolute() else path
        for first, last in functions(strip(path.read_text(encoding="utf-8", errors="replace"))):
            length = last - first + 1
            if length > FAIL:
                failures += 1
                print(f"{rel}:{first}: function of {length} lines (limit {FAIL})")
            elif length > WARN:
                warnings += 1
                print(f"{rel}:{first}: warning: function of {length} lines (aim under {WARN})")
    print(f"function length: {failures} over {FAIL} lines, {warnings} over {WARN}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
