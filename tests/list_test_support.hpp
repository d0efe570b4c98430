#ifndef LIST_TEST_SUPPORT_HPP
#define LIST_TEST_SUPPORT_HPP

#include "linked_list.hpp"

#include <iostream>
#include <memory>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace list_test {

// A stream buffer that remembers where every flush fell, so that a test sees
// both the text and its flushes. Its storage is reserved up front, so outputs
// within that size are recorded without allocating and allocation counts taken
// around an operation see only the operation's own.
class FlushRecorder : public std::streambuf {
public:
    explicit FlushRecorder(std::size_t text_capacity = 4096, std::size_t flush_capacity = 64)
    {
        text_.reserve(text_capacity);
        flush_ends_.reserve(flush_capacity);
    }

    // Forgets what was recorded and keeps the storage.
    void clear()
    {
        text_.clear();
        flush_ends_.clear();
    }

    // The text between consecutive flushes, one string per flush.
    [[nodiscard]] std::vector<std::string> flushed() const
    {
        std::vector<std::string> chunks;
        std::size_t begin = 0;
        for (const std::size_t end : flush_ends_) {
            chunks.push_back(text_.substr(begin, end - begin));
            begin = end;
        }
        return chunks;
    }

    [[nodiscard]] std::string unflushed() const
    {
        return text_.substr(flush_ends_.empty() ? 0 : flush_ends_.back());
    }

protected:
    int_type overflow(int_type character) override
    {
        if (!traits_type::eq_int_type(character, traits_type::eof())) {
            text_ += traits_type::to_char_type(character);
        }
        return traits_type::not_eof(character);
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        text_.append(text, static_cast<std::size_t>(count));
        return count;
    }

    int sync() override
    {
        if (text_.size() > (flush_ends_.empty() ? 0 : flush_ends_.back())) {
            flush_ends_.push_back(text_.size());
        }
        return 0;
    }

private:
    std::string text_;
    std::vector<std::size_t> flush_ends_;
};

// Sends std::cout to another stream buffer for as long as it lives.
class CoutRedirect {
public:
    explicit CoutRedirect(std::streambuf* target) : previous_(std::cout.rdbuf(target)) {}
    ~CoutRedirect() { std::cout.rdbuf(previous_); }
    CoutRedirect(const CoutRedirect&) = delete;
    CoutRedirect& operator=(const CoutRedirect&) = delete;
    CoutRedirect(CoutRedirect&&) = delete;
    CoutRedirect& operator=(CoutRedirect&&) = delete;

private:
    std::streambuf* previous_;
};

// Records everything std::cout receives while it lives.
class CoutCapture {
public:
    // Each flushed chunk; the operations flush every line, so these are lines.
    [[nodiscard]] std::vector<std::string> lines() const { return recorder_.flushed(); }
    [[nodiscard]] std::string unflushed() const { return recorder_.unflushed(); }

private:
    FlushRecorder recorder_;
    CoutRedirect redirect_{&recorder_};
};

inline std::string release_line(int value)
{
    return " memory is free for node with data " + std::to_string(value) + "\n";
}

// Builds a chain directly, without the operations under test.
inline Node* make_chain(const std::vector<int>& values)
{
    std::unique_ptr<Node> head;
    std::unique_ptr<Node>* link = &head;
    for (const int value : values) {
        *link = std::make_unique<Node>(value);
        link = &(*link)->next;
    }
    return head.release();
}

inline std::vector<int> values_of(const Node* head)
{
    std::vector<int> values;
    for (; head != nullptr; head = head->next.get()) {
        values.push_back(head->data);
    }
    return values;
}

// Owns a list through its head handle and releases it quietly at the end.
struct OwnedList {
    explicit OwnedList(const std::vector<int>& values) : head(make_chain(values)) {}
    ~OwnedList()
    {
        std::ostringstream discarded;
        const CoutRedirect quiet(discarded.rdbuf());
        delete head;
    }
    OwnedList(const OwnedList&) = delete;
    OwnedList& operator=(const OwnedList&) = delete;
    OwnedList(OwnedList&&) = delete;
    OwnedList& operator=(OwnedList&&) = delete;

    Node* head;
};

}  // namespace list_test

#endif  // LIST_TEST_SUPPORT_HPP
