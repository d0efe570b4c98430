#ifndef LINE_WORKLOAD_HPP
#define LINE_WORKLOAD_HPP

// The workload of the line-throughput comparison: a list of `length` values
// 0, 1, ... displayed `repetitions` times and then released.
namespace line_workload {

constexpr int length = 1000;
constexpr int repetitions = 1000;

}  // namespace line_workload

#endif  // LINE_WORKLOAD_HPP
