// Writes a realistic Gage R&R study as a CMM would export it, and the layout template
// that imports it: one column per feature, the name and tolerance rows on top, then
// appraiser 1's trials part by part, then appraiser 2's and 3's.
//
//   quorvel-gen-study FEATURES OUT.csv OUT.tpl [SEED]
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int appraisers = 3;
constexpr int trials = 3;
constexpr int parts = 10;

bool writeStudy(const char* path, int features, unsigned seed)
{
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;
    std::mt19937 random(seed);
    std::normal_distribution<double> partSpread(0.0, 0.004);
    std::normal_distribution<double> gageNoise(0.0, 0.0004);
    std::uniform_real_distribution<double> nominals(5.0, 150.0);

    std::string line = "Feature,Run";
    for (int f = 1; f <= features; ++f)
        line += ",Bore " + std::to_string(f);
    out << line << "\r\n";
    for (const char* label : {"Upper Tol", "Lower Tol"}) {
        line = std::string(label) + ",";
        for (int f = 1; f <= features; ++f)
            line += ",0.0100";
        out << line << "\r\n";
    }

    std::vector<double> nominal(features), partOffset(features * parts),
        appraiserBias(features * appraisers);
    for (int f = 0; f < features; ++f) {
        nominal[f] = nominals(random);
        for (int p = 0; p < parts; ++p)
            partOffset[f * parts + p] = partSpread(random);
        for (int a = 0; a < appraisers; ++a)
            appraiserBias[f * appraisers + a] = gageNoise(random) / 2;
    }
    char cell[32];
    for (int a = 0; a < appraisers; ++a)
        for (int p = 0; p < parts; ++p)
            for (int t = 0; t < trials; ++t) {
                line = "A" + std::to_string(a + 1) + " P" + std::to_string(p + 1) + " T" +
                       std::to_string(t + 1) + ",";
                for (int f = 0; f < features; ++f) {
                    const double value = nominal[f] + partOffset[f * parts + p] +
                                         appraiserBias[f * appraisers + a] + gageNoise(random);
                    std::snprintf(cell, sizeof cell, ",%.4f", value);
                    line += cell;
                }
                out << line << "\r\n";
            }
    return bool(out);
}

bool writeTemplate(const char* path)
{
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;
    const char* head[] = {"False", " 1", " 8", " 1", " 0", "", "R4 - C3", "R3", "R2", "R1"};
    for (const char* line : head)
        out << line << "\r\n";
    int row = 1;
    for (int a = 0; a < appraisers; ++a)
        for (int p = 0; p < parts; ++p, row += trials)
            out << row << ',' << row + 1 << ',' << row + 2 << "\r\n";
    return bool(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: quorvel-gen-study FEATURES OUT.csv OUT.tpl [SEED]\n");
        return 2;
    }
    const int features = std::atoi(argv[1]);
    const unsigned seed = argc > 4 ? unsigned(std::strtoul(argv[4], nullptr, 10)) : 1u;
    if (features < 1 || !writeStudy(argv[2], features, seed) || !writeTemplate(argv[3])) {
        std::fprintf(stderr, "quorvel-gen-study: could not write the study\n");
        return 1;
    }
    return 0;
}
