// The same lines as display_lines, prepared in advance and each written by one
// write call: the cost of a flush per line with nothing else in the way.
#include "line_workload.hpp"

#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

bool write_all(const std::vector<std::string>& lines)
{
    return std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
        return write(STDOUT_FILENO, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    });
}

}  // namespace

int main()
{
    std::vector<std::string> value_lines;
    std::vector<std::string> release_lines;
    value_lines.reserve(line_workload::length);
    release_lines.reserve(line_workload::length);
    for (int value = 0; value < line_workload::length; ++value) {
        value_lines.push_back(std::to_string(value) + "\n");
    }
    for (int value = line_workload::length - 1; value >= 0; --value) {
        release_lines.push_back(
            " memory is free for node with data " + std::to_string(value) + "\n");
    }
    for (int repetition = 0; repetition < line_workload::repetitions; ++repetition) {
        if (!write_all(value_lines)) {
            return 1;
        }
    }
    return write_all(release_lines) ? 0 : 1;
}
