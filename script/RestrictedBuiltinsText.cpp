#include "script/RestrictedBuiltinsText.h"

namespace Tavek {

namespace {

struct Entry {
    const char* name;
    // The value's expression; null when it is the builtin of the same name.
    const char* value;
};

// The names the game's scripts were written against, in their historic order. Names the
// current interpreter no longer has are bound to their modern equivalents.
const Entry entries[] = {
    {"ArithmeticError", nullptr},
    {"AssertionError", nullptr},
    {"AttributeError", nullptr},
    {"BaseException", nullptr},
    {"DeprecationWarning", nullptr},
    {"EOFError", nullptr},
    {"Ellipsis", nullptr},
    {"EnvironmentError", nullptr},
    {"Exception", nullptr},
    {"False", nullptr},
    {"FloatingPointError", nullptr},
    {"FutureWarning", nullptr},
    {"GeneratorExit", nullptr},
    {"IOError", nullptr},
    {"ImportError", nullptr},
    {"ImportWarning", nullptr},
    {"IndentationError", nullptr},
    {"IndexError", nullptr},
    {"KeyError", nullptr},
    {"KeyboardInterrupt", nullptr},
    {"LookupError", nullptr},
    {"MemoryError", nullptr},
    {"NameError", nullptr},
    {"None", nullptr},
    {"NotImplemented", nullptr},
    {"NotImplementedError", nullptr},
    {"OSError", nullptr},
    {"OverflowError", nullptr},
    {"PendingDeprecationWarning", nullptr},
    {"ReferenceError", nullptr},
    {"RuntimeError", nullptr},
    {"RuntimeWarning", nullptr},
    {"StandardError", "Exception"},
    {"StopIteration", nullptr},
    {"SyntaxError", nullptr},
    {"SyntaxWarning", nullptr},
    {"SystemError", nullptr},
    {"SystemExit", nullptr},
    {"TabError", nullptr},
    {"True", nullptr},
    {"TypeError", nullptr},
    {"UnboundLocalError", nullptr},
    {"UnicodeDecodeError", nullptr},
    {"UnicodeEncodeError", nullptr},
    {"UnicodeError", nullptr},
    {"UnicodeTranslateError", nullptr},
    {"UnicodeWarning", nullptr},
    {"UserWarning", nullptr},
    {"ValueError", nullptr},
    {"Warning", nullptr},
    {"WindowsError", "OSError"},
    {"ZeroDivisionError", nullptr},
    {"__debug__", nullptr},
    {"__doc__", nullptr},
    {"__import__", nullptr},
    {"__name__", nullptr},
    {"abs", nullptr},
    {"all", nullptr},
    {"any", nullptr},
    {"apply", "lambda function, args=(), keywords={}: function(*args, **keywords)"},
    {"basestring", "str"},
    {"bool", nullptr},
    {"buffer", "memoryview"},
    {"callable", nullptr},
    {"chr", nullptr},
    {"classmethod", nullptr},
    {"cmp", "lambda a, b: (a > b) - (a < b)"},
    // coerce: no modern equivalent; left out.
    {"compile", nullptr},
    {"complex", nullptr},
    // copyright, credits: interactive helpers; left out.
    {"delattr", nullptr},
    {"dict", nullptr},
    {"dir", nullptr},
    {"divmod", nullptr},
    {"enumerate", nullptr},
    {"eval", nullptr},
    // execfile: reads files; left out.
    {"exit", "__import__('sys').exit"},
    {"filter", nullptr},
    {"float", nullptr},
    {"frozenset", nullptr},
    {"getattr", nullptr},
    {"globals", nullptr},
    {"hasattr", nullptr},
    {"hash", nullptr},
    // help: interactive helper; left out.
    {"hex", nullptr},
    {"id", nullptr},
    {"int", nullptr},
    {"intern", "__import__('sys').intern"},
    {"isinstance", nullptr},
    {"issubclass", nullptr},
    {"iter", nullptr},
    {"len", nullptr},
    // license: interactive helper; left out.
    {"list", nullptr},
    {"locals", nullptr},
    {"long", "int"},
    {"map", nullptr},
    {"max", nullptr},
    {"min", nullptr},
    {"object", nullptr},
    {"oct", nullptr},
    {"ord", nullptr},
    {"pow", nullptr},
    {"property", nullptr},
    {"range", nullptr},
    {"reduce", "__import__('functools').reduce"},
    {"reload", "__import__('importlib').reload"},
    {"repr", nullptr},
    {"reversed", nullptr},
    {"round", nullptr},
    {"set", nullptr},
    {"setattr", nullptr},
    {"slice", nullptr},
    {"sorted", nullptr},
    {"staticmethod", nullptr},
    {"str", nullptr},
    {"sum", nullptr},
    {"super", nullptr},
    {"tuple", nullptr},
    {"type", nullptr},
    {"unichr", "chr"},
    {"unicode", "str"},
    {"vars", nullptr},
    {"xrange", "range"},
    {"zip", nullptr},
};

std::string buildText() {
    std::string text = "{";
    bool first = true;
    for (const Entry& entry : entries) {
        if (!first) text += ",";
        first = false;
        text += "'";
        text += entry.name;
        text += "': ";
        text += entry.value ? entry.value : entry.name;
    }
    text += "}";
    return text;
}

}  // namespace

const std::string& restrictedBuiltinsText() {
    static const std::string text = buildText();
    return text;
}

}  // namespace Tavek
