#include "platform/sheet/cell_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <type_traits>
#include <variant>

namespace pelk::sheet {

namespace {

constexpr std::size_t kChunk = 1 << 16;

// The kind of a value in the file: the index of its alternative.
template <typename T, std::size_t I = 0>
constexpr std::uint8_t kindOf() {
    if constexpr (std::is_same_v<std::variant_alternative_t<I, core::Value::Storage>, T>)
        return static_cast<std::uint8_t>(I);
    else
        return kindOf<T, I + 1>();
}

// A record is the row, its count of cells, then each cell: column, kind and the value's bytes. The file never leaves
// this process, so numbers go in as the machine holds them.
template <typename T>
void put(std::string& out, T v) {
    out.append(reinterpret_cast<const char*>(&v), sizeof v);
}

void encode(std::string& out, int row, const CellStore::Row& cells) {
    put<std::int32_t>(out, row);
    put<std::uint32_t>(out, static_cast<std::uint32_t>(cells.size()));
    for (const auto& [column, value] : cells) {
        put<std::int32_t>(out, column);
        const auto& s = value.storage();
        put<std::uint8_t>(out, static_cast<std::uint8_t>(s.index()));
        if (const auto* text = std::get_if<std::string>(&s)) {
            put<std::uint32_t>(out, static_cast<std::uint32_t>(text->size()));
            out += *text;
        } else if (const auto* n = std::get_if<std::int64_t>(&s)) {
            put(out, *n);
        } else if (const auto* d = std::get_if<double>(&s)) {
            put(out, *d);
        } else if (const auto* m = std::get_if<core::Money>(&s)) {
            put(out, m->units());
        } else if (const auto* b = std::get_if<bool>(&s)) {
            put<std::uint8_t>(out, *b ? 1 : 0);
        } else if (const auto* dt = std::get_if<core::DateTime>(&s)) {
            for (int part :
                 {dt->date.year, dt->date.month, dt->date.day, dt->time.hour, dt->time.minute, dt->time.second})
                put<std::int32_t>(out, part);
        }
    }
}

std::FILE* newFile(std::string& why) {
    std::FILE* f = std::tmpfile();
    if (!f) {
        why = std::string("no temporary file for the rows: ") + std::strerror(errno);
        return nullptr;
    }
    // An outside program started meanwhile (the desktop opening a workbook) never holds it.
    ::fcntl(::fileno(f), F_SETFD, FD_CLOEXEC);
    return f;
}

bool writeAll(std::FILE* f, std::uint64_t& written, std::string& pending, std::string& why) {
    const char* p = pending.data();
    std::size_t left = pending.size();
    while (left > 0) {
        ssize_t n = ::pwrite(::fileno(f), p, left, static_cast<off_t>(written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            why =
                std::string("the rows could not be kept in a temporary file: ") + std::strerror(n < 0 ? errno : ENOSPC);
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
        written += static_cast<std::uint64_t>(n);
    }
    pending.clear();
    return true;
}

// Puts a cell written later over a row's cells: replaced, added in its place, or emptied.
void overlay(CellStore::Row& cells, int column, const core::Value& v) {
    auto at = std::lower_bound(cells.begin(), cells.end(), column,
                               [](const std::pair<int, core::Value>& cell, int c) { return cell.first < c; });
    const bool here = at != cells.end() && at->first == column;
    if (v.isNull()) {
        if (here) cells.erase(at);
    } else if (here) {
        at->second = v;
    } else {
        cells.emplace(at, column, v);
    }
}

}  // namespace

// Reads the records back in order, a chunk at a time.
class CellStore::Reader {
public:
    Reader(std::FILE* file, std::uint64_t size) : fd_(file ? ::fileno(file) : -1), size_(file ? size : 0) {}

    // The next row into `row` and `cells` (its values reused); false at the end or on a failure.
    bool next(int& row, Row& cells) {
        std::int32_t r;
        std::uint32_t count;
        if (offset_ - (buffer_.size() - at_) >= size_) return false;
        if (!take(r) || !take(count)) return false;
        row = r;
        cells.resize(count);
        for (auto& [column, value] : cells) {
            std::int32_t c;
            std::uint8_t kind;
            if (!take(c) || !take(kind)) return false;
            column = c;
            switch (kind) {
                case kindOf<std::string>(): {
                    std::uint32_t n;
                    if (!take(n) || !ensure(n)) return false;
                    value.assignText(std::string_view(buffer_.data() + at_, n));
                    at_ += n;
                    break;
                }
                case kindOf<std::int64_t>(): {
                    std::int64_t n;
                    if (!take(n)) return false;
                    value = core::Value(static_cast<long long>(n));
                    break;
                }
                case kindOf<double>(): {
                    double d;
                    if (!take(d)) return false;
                    value = core::Value(d);
                    break;
                }
                case kindOf<core::Money>(): {
                    std::int64_t units;
                    if (!take(units)) return false;
                    value = core::Value(core::Money::fromUnits(units));
                    break;
                }
                case kindOf<bool>(): {
                    std::uint8_t b;
                    if (!take(b)) return false;
                    value = core::Value(b != 0);
                    break;
                }
                case kindOf<core::DateTime>(): {
                    std::int32_t p[6];
                    for (auto& part : p)
                        if (!take(part)) return false;
                    value = core::Value(core::DateTime{core::Date{p[0], p[1], p[2]}, core::Time{p[3], p[4], p[5]}});
                    break;
                }
                default:
                    failed_ = true;
                    return false;
            }
        }
        return true;
    }
    bool failed() const { return failed_; }

private:
    template <typename T>
    bool take(T& v) {
        if (!ensure(sizeof v)) return false;
        std::memcpy(&v, buffer_.data() + at_, sizeof v);
        at_ += sizeof v;
        return true;
    }
    // At least n unread bytes in the buffer; a file that ends inside a record is a failure.
    bool ensure(std::size_t n) {
        if (buffer_.size() - at_ >= n) return true;
        buffer_.erase(0, at_);
        at_ = 0;
        while (buffer_.size() < n) {
            std::size_t want = std::max(kChunk, n - buffer_.size());
            want = static_cast<std::size_t>(std::min<std::uint64_t>(want, size_ - offset_));
            if (want == 0) {
                failed_ = true;
                return false;
            }
            std::size_t had = buffer_.size();
            buffer_.resize(had + want);
            ssize_t got = ::pread(fd_, buffer_.data() + had, want, static_cast<off_t>(offset_));
            if (got < 0 && errno == EINTR) {
                buffer_.resize(had);
                continue;
            }
            if (got <= 0) {
                buffer_.resize(had);
                failed_ = true;
                return false;
            }
            buffer_.resize(had + static_cast<std::size_t>(got));
            offset_ += static_cast<std::uint64_t>(got);
        }
        return true;
    }

    int fd_;
    std::uint64_t size_;
    std::uint64_t offset_ = 0;  // of the file, read into the buffer so far
    std::string buffer_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

CellStore::~CellStore() {
    if (file_) std::fclose(file_);
}

void CellStore::set(int row, int column, core::Value v) {
    if (row > fileLastRow_) {
        passRowsBelow(row);
        if (v.isNull())
            open_.erase({row, column});
        else
            open_[{row, column}] = std::move(v);
    } else {
        behind_[{row, column}] = std::move(v);
    }
    if (open_.size() + behind_.size() > kHeldCells) mergeIntoNewFile();
}

core::Value CellStore::get(int row, int column) const {
    core::Value found;
    forEachRow(row, row, [&](int, const Row& cells) {
        for (const auto& [c, v] : cells)
            if (c == column) found = v;
    });
    return found;
}

bool CellStore::forEachRow(int firstRow, int lastRow, const std::function<void(int, const Row&)>& visit) const {
    if (!flushPending()) return false;
    Reader in(file_, written_);
    Row fromFile, cells;
    int fileRow = 0;
    bool haveFileRow = in.next(fileRow, fromFile);
    auto behind = behind_.lower_bound({firstRow, 0});
    for (;;) {
        while (haveFileRow && fileRow < firstRow) haveFileRow = in.next(fileRow, fromFile);
        const int nextFile = haveFileRow ? fileRow : INT_MAX;
        const int nextBehind = behind != behind_.end() ? behind->first.first : INT_MAX;
        const int row = std::min(nextFile, nextBehind);
        if (row == INT_MAX || row > lastRow) break;
        cells.clear();
        if (row == nextFile) {
            cells.swap(fromFile);
            haveFileRow = in.next(fileRow, fromFile);
        }
        for (; behind != behind_.end() && behind->first.first == row; ++behind)
            overlay(cells, behind->first.second, behind->second);
        if (!cells.empty()) visit(row, cells);
    }
    if (in.failed()) {
        fail("the rows kept in a temporary file could not be read back");
        return false;
    }
    for (auto it = open_.lower_bound({firstRow, 0}); it != open_.end() && it->first.first <= lastRow;) {
        const int row = it->first.first;
        cells.clear();
        for (; it != open_.end() && it->first.first == row; ++it) cells.emplace_back(it->first.second, it->second);
        visit(row, cells);
    }
    return true;
}

// The filling has gone past every open row below `row`: they go to the file, in order.
void CellStore::passRowsBelow(int row) {
    auto end = open_.lower_bound({row, 0});
    if (open_.begin() == end || !error_.empty()) return;
    if (!file_) {
        std::string why;
        file_ = newFile(why);
        if (!file_) return fail(why);
    }
    Row cells;
    for (auto it = open_.begin(); it != end;) {
        const int r = it->first.first;
        cells.clear();
        for (; it != end && it->first.first == r; ++it) cells.emplace_back(it->first.second, std::move(it->second));
        append(r, cells);
    }
    open_.erase(open_.begin(), end);
}

void CellStore::append(int row, const Row& cells) {
    encode(pending_, row, cells);
    fileLastRow_ = row;
    if (pending_.size() >= kChunk) flushPending();
}

bool CellStore::flushPending() const {
    if (!file_ || pending_.empty()) return error_.empty();
    std::string why;
    if (!writeAll(file_, written_, pending_, why)) {
        // The rows in hand are lost with the write; the workbook is not written without them.
        pending_.clear();
        fail(why);
        return false;
    }
    return error_.empty();
}

// Too many cells held: the file, the cells written behind it and the open rows become one
// fresh file. Should that fail, everything stays as it was, held in memory.
void CellStore::mergeIntoNewFile() {
    if (!error_.empty()) return;
    std::string why;
    std::FILE* fresh = newFile(why);
    if (!fresh) return fail(why);
    std::uint64_t written = 0;
    std::string pending;
    int last = 0;
    bool wrote = true;
    bool read = forEachRow(1, INT_MAX, [&](int row, const Row& cells) {
        if (!wrote) return;
        encode(pending, row, cells);
        last = row;
        if (pending.size() >= kChunk) wrote = writeAll(fresh, written, pending, why);
    });
    if (wrote) wrote = writeAll(fresh, written, pending, why);
    if (!read || !wrote) {
        std::fclose(fresh);
        if (!wrote) fail(why);
        return;
    }
    if (file_) std::fclose(file_);
    file_ = fresh;
    written_ = written;
    fileLastRow_ = last;
    open_.clear();
    behind_.clear();
}

void CellStore::fail(const std::string& why) const {
    if (error_.empty()) error_ = why;
}

}  // namespace pelk::sheet
