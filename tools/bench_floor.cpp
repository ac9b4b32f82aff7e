// The floor for the import benchmark: reads a CSV file once, splits it at line breaks
// and commas and converts every cell with std::from_chars. Nothing Quorvel does with
// the same file can be faster than this by much.
//
//   quorvel-bench-floor FILE.csv
#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: quorvel-bench-floor FILE.csv\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "quorvel-bench-floor: cannot open %s\n", argv[1]);
        return 1;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    const std::string text = std::move(buffer).str();

    double sum = 0;
    long cells = 0;
    long numbers = 0;
    std::string_view rest(text);
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        while (true) {
            const auto comma = line.find(',');
            const std::string_view cell = line.substr(0, comma);
            double value = 0;
            ++cells;
            if (std::from_chars(cell.data(), cell.data() + cell.size(), value).ec == std::errc()) {
                sum += value;
                ++numbers;
            }
            if (comma == std::string_view::npos)
                break;
            line.remove_prefix(comma + 1);
        }
    }
    std::printf("%ld cells, %ld numbers, sum %.4f\n", cells, numbers, sum);
    return 0;
}
