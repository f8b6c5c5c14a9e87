// Writes the evaluator tables as a C++ source file of constant data, so that
// programs start with them in place: generate-evaluator-tables OUTPUT
#include "preflop/tablegen/EvaluatorTablesBuilder.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

template <typename Array, typename Write>
void writeArray(std::ostream& out, const Array& values, Write write)
{
    out << "{{";
    std::size_t i = 0;
    for (const auto& v : values) {
        if (i++ % 24 == 0)
            out << '\n';
        write(v);
        out << ',';
    }
    out << "}}";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate-evaluator-tables OUTPUT\n");
        return 2;
    }
    using namespace tallyhand;
    const auto tables = buildEvaluatorTables();
    std::ostringstream out;
    const auto number = [&](auto v) { out << +v; };
    out << "// Generated at build time by src/preflop/tablegen; do not edit.\n"
           "#include \"preflop/HandEvaluator.h\"\n\nnamespace tallyhand {\n\n"
           "constinit const EvaluatorTables kEvaluatorTables{\n";
    writeArray(out, tables->cards, [&](const EvalHand& h) { out << "{" << h.key << "u," << h.mask << "u}"; });
    out << ",\n";
    writeArray(out, tables->flush, number);
    out << ",\n{";
    writeArray(out, tables->seven.offsets, number);
    out << ",\n";
    writeArray(out, tables->seven.values, number);
    out << "},\n{";
    writeArray(out, tables->fewer.offsets, number);
    out << ",\n";
    writeArray(out, tables->fewer.values, number);
    out << "}};\n\n} // namespace tallyhand\n";

    // Written beside and renamed, so that a failed run leaves no half file.
    const std::string path = argv[1];
    {
        std::ofstream file(path + ".tmp", std::ios::binary);
        file << out.str();
        if (!file.flush()) {
            std::fprintf(stderr, "cannot write %s.tmp\n", path.c_str());
            return 1;
        }
    }
    return std::rename((path + ".tmp").c_str(), path.c_str()) == 0 ? 0 : 1;
}
