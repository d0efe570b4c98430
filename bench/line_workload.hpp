#ifndef LINE_WORKLOAD_HPP
#define LINE_WORKLOAD_HPP

// The workload of the line-throughput comparison: a list of `length` values
// 0, 1, ... displayed `repetitions` times and then released. The build sets
// both, since it also counts the lines written.
namespace line_workload {

constexpr int length = LINE_WORKLOAD_LENGTH;
constexpr int repetitions = LINE_WORKLOAD_REPETITIONS;

}  // namespace line_workload

#endif  // LINE_WORKLOAD_HPP
