#include "playlist/editing.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace tundeck {

namespace {

Arrangement Unchanged(const std::vector<bool>& selected) {
    Arrangement result{std::vector<int>(selected.size()), selected};
    for (std::size_t row = 0; row < selected.size(); ++row) {
        result.Order[row] = static_cast<int>(row);
    }
    return result;
}

// Moving the row at `from` next to an unselected neighbour at `to` and handing the flag over
// is a swap of the two rows and their flags.
void SwapRows(Arrangement& rows, std::size_t from, std::size_t to) {
    std::swap(rows.Order[from], rows.Order[to]);
    rows.Selected[to] = true;
    rows.Selected[from] = false;
    rows.Flagged.push_back(static_cast<int>(to));
}

// A sequence of rows in which a row can be taken out of, and put in at, any position fast:
// blocks of a few hundred rows, found through running totals of their sizes (a Fenwick tree),
// so each step costs a logarithmic search and the shift of one block.
class RowSequence {
public:
    explicit RowSequence(const std::vector<int>& rows) {
        for (std::size_t first = 0; first < rows.size(); first += BlockSize) {
            const std::size_t last = std::min(rows.size(), first + BlockSize);
            blocks_.emplace_back(rows.begin() + static_cast<std::ptrdiff_t>(first),
                                 rows.begin() + static_cast<std::ptrdiff_t>(last));
        }
        if (blocks_.empty()) {
            blocks_.emplace_back();
        }
        RebuildTotals();
    }
    int TakeAt(std::size_t position) {
        auto [block, offset] = Locate(position, false);
        std::vector<int>& rows = blocks_[block];
        const int row = rows[offset];
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(offset));
        AddToTotals(block, -1);
        return row; // an emptied block stays, holding nothing
    }
    void PutAt(std::size_t position, int row) {
        auto [block, offset] = Locate(position, true);
        std::vector<int>& rows = blocks_[block];
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(offset), row);
        AddToTotals(block, 1);
        if (rows.size() > 2 * BlockSize) {
            std::vector<int> second(rows.begin() + static_cast<std::ptrdiff_t>(BlockSize), rows.end());
            rows.resize(BlockSize);
            blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(second));
            RebuildTotals();
        }
    }
    std::vector<int> Rows() const {
        std::vector<int> all;
        for (const std::vector<int>& rows : blocks_) {
            all.insert(all.end(), rows.begin(), rows.end());
        }
        return all;
    }

private:
    static constexpr std::size_t BlockSize = 512;

    // totals_[i] (from 1) sums the sizes of the blocks i - (i & -i) .. i - 1.
    void RebuildTotals() {
        totals_.assign(blocks_.size() + 1, 0);
        for (std::size_t i = 1; i < totals_.size(); ++i) {
            totals_[i] += blocks_[i - 1].size();
            const std::size_t parent = i + (i & (~i + 1));
            if (parent < totals_.size()) {
                totals_[parent] += totals_[i];
            }
        }
    }
    void AddToTotals(std::size_t block, int change) {
        for (std::size_t i = block + 1; i < totals_.size(); i += i & (~i + 1)) {
            totals_[i] += static_cast<std::size_t>(change); // wraps back for -1
        }
    }

    // The block holding `position` and the offset in it: the first block whose rows reach past
    // it, or with `atEnd` up to it, so a position just past a block's last row stays in it.
    std::pair<std::size_t, std::size_t> Locate(std::size_t position, bool atEnd) const {
        std::size_t before = 0; // blocks wholly before the position
        std::size_t step = 1;
        while (step * 2 < totals_.size()) {
            step *= 2;
        }
        for (; step > 0; step /= 2) {
            const std::size_t next = before + step;
            if (next < totals_.size() && (atEnd ? totals_[next] < position : totals_[next] <= position)) {
                before = next;
                position -= totals_[next];
            }
        }
        return {std::min(before, blocks_.size() - 1), position};
    }

    std::vector<std::vector<int>> blocks_;
    std::vector<std::size_t> totals_;
};

} // namespace

int ScrolledTo(int top, int page, int row) {
    page = std::max(page, 1);
    return row < top ? row : row >= top + page ? row - page + 1 : top;
}

int ScrolledTo(int top, int page, const std::vector<int>& rows) {
    for (int row : rows) {
        top = ScrolledTo(top, page, row);
    }
    return top;
}

Arrangement WithoutSelected(const std::vector<bool>& selected) {
    Arrangement result;
    for (std::size_t row = 0; row < selected.size(); ++row) {
        if (!selected[row]) {
            result.Order.push_back(static_cast<int>(row));
        }
    }
    result.Selected.assign(result.Order.size(), false);
    return result;
}

Arrangement SelectionMovedUp(const std::vector<bool>& selected) {
    Arrangement result = Unchanged(selected);
    for (std::size_t row = 1; row < selected.size(); ++row) {
        if (result.Selected[row] && !result.Selected[row - 1]) {
            SwapRows(result, row, row - 1);
        }
    }
    return result;
}

Arrangement SelectionMovedDown(const std::vector<bool>& selected) {
    Arrangement result = Unchanged(selected);
    for (std::size_t row = selected.size(); row-- > 1;) {
        if (result.Selected[row - 1] && !result.Selected[row]) {
            SwapRows(result, row - 1, row);
        }
    }
    return result;
}

std::uint32_t ShuffleRandom::SeedFromTimeOfDay(int hours, int minutes, int seconds, int milliseconds) {
    return static_cast<std::uint32_t>(((hours * 60 + minutes) * 60 + seconds) * 1000 + milliseconds);
}

std::uint32_t ShuffleRandom::Draw(std::uint32_t count) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * count) >> 32);
}

Arrangement Shuffled(const std::vector<bool>& selected, ShuffleRandom& random) {
    // Moving the selected rows to the top from the bottom up stops at the first row of a run of
    // selected rows that reaches the top: that run is never moved and ends up after the others.
    std::size_t untouched = 0;
    while (untouched < selected.size() && selected[untouched]) {
        ++untouched;
    }
    std::vector<int> order;
    order.reserve(selected.size());
    for (std::size_t row = untouched; row < selected.size(); ++row) {
        if (selected[row]) {
            order.push_back(static_cast<int>(row));
        }
    }
    for (std::size_t row = 0; row < untouched; ++row) {
        order.push_back(static_cast<int>(row));
    }
    const std::size_t top = order.size();
    std::vector<int> rest;
    for (std::size_t row = 0; row < selected.size(); ++row) {
        if (!selected[row]) {
            rest.push_back(static_cast<int>(row));
        }
    }
    RowSequence shuffled(rest);
    const auto count = static_cast<std::uint32_t>(rest.size());
    for (std::uint32_t row = 0; row < count; ++row) {
        const std::uint32_t to = random.Draw(count);
        shuffled.PutAt(to, shuffled.TakeAt(row));
    }
    for (int row : shuffled.Rows()) {
        order.push_back(row);
    }
    Arrangement result{std::move(order), std::vector<bool>(selected.size(), false), {}};
    result.Flagged.reserve(top);
    for (std::size_t row = 0; row < top; ++row) {
        result.Selected[row] = true;
        result.Flagged.push_back(static_cast<int>(row));
    }
    return result;
}

} // namespace tundeck
