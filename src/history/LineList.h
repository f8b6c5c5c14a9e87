#pragma once

#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace tallyhand {

// An ordered list of text lines kept in one buffer: a game's block holds
// dozens of short lines, and a database holds hundreds of thousands of games.
class LineList {
public:
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const LineList* list, std::size_t index) : m_list(list), m_index(index) {}
        std::string_view operator*() const { return (*m_list)[m_index]; }
        const_iterator& operator++() { ++m_index; return *this; }
        const_iterator operator++(int) { auto old = *this; ++m_index; return old; }
        const_iterator& operator--() { --m_index; return *this; }
        const_iterator& operator+=(difference_type n) { m_index = static_cast<std::size_t>(static_cast<difference_type>(m_index) + n); return *this; }
        const_iterator operator+(difference_type n) const { auto copy = *this; return copy += n; }
        const_iterator operator-(difference_type n) const { auto copy = *this; return copy += -n; }
        difference_type operator-(const const_iterator& other) const
        {
            return static_cast<difference_type>(m_index) - static_cast<difference_type>(other.m_index);
        }
        std::string_view operator[](difference_type n) const { return *(*this + n); }
        bool operator==(const const_iterator& other) const { return m_index == other.m_index; }
        auto operator<=>(const const_iterator& other) const { return m_index <=> other.m_index; }

    private:
        const LineList* m_list = nullptr;
        std::size_t m_index = 0;
    };
    using value_type = std::string_view;
    using iterator = const_iterator;

    LineList() = default;
    LineList(std::initializer_list<std::string_view> lines) { assign(lines.begin(), lines.end()); }
    template <typename It>
    LineList(It first, It last) { assign(first, last); }

    // Replaces the content; the buffer is sized exactly.
    template <typename It>
    void assign(It first, It last)
    {
        m_text.clear();
        m_ends.clear();
        std::size_t bytes = 0;
        std::size_t count = 0;
        for (It it = first; it != last; ++it) {
            bytes += std::string_view(*it).size();
            ++count;
        }
        m_text.reserve(bytes);
        m_ends.reserve(count);
        for (It it = first; it != last; ++it)
            push_back(std::string_view(*it));
    }

    void push_back(std::string_view line)
    {
        m_text.append(line);
        m_ends.push_back(static_cast<std::uint32_t>(m_text.size()));
    }

    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    std::string_view operator[](std::size_t i) const
    {
        const std::uint32_t begin = i == 0 ? 0 : m_ends[i - 1];
        return std::string_view(m_text).substr(begin, m_ends[i] - begin);
    }
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }
    std::vector<std::string> toVector() const { return {begin(), end()}; }

    bool operator==(const LineList& other) const { return m_ends == other.m_ends && m_text == other.m_text; }
    friend bool operator==(const LineList& list, const std::vector<std::string>& lines)
    {
        if (list.size() != lines.size())
            return false;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (list[i] != lines[i])
                return false;
        return true;
    }

private:
    std::string m_text;
    std::vector<std::uint32_t> m_ends;
};

} // namespace tallyhand
