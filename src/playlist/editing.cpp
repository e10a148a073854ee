#include "playlist/editing.h"

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
}

// A sequence of rows in which a row can be taken out of, and put in at, any position in
// logarithmic time: a treap ordered by position.
class RowSequence {
public:
    explicit RowSequence(const std::vector<int>& rows) {
        for (int row : rows) {
            root_ = Merge(root_, NewNode(row));
        }
    }
    int TakeAt(int position) {
        auto [before, rest] = Split(root_, position);
        auto [taken, after] = Split(rest, 1);
        root_ = Merge(before, after);
        return nodes_[static_cast<std::size_t>(taken)].Row;
    }
    void PutAt(int position, int row) {
        auto [before, after] = Split(root_, position);
        root_ = Merge(Merge(before, NewNode(row)), after);
    }
    std::vector<int> Rows() const {
        std::vector<int> rows;
        std::vector<int> path;
        for (int node = root_; node != None || !path.empty();) {
            if (node != None) {
                path.push_back(node);
                node = At(node).Left;
            } else {
                node = path.back();
                path.pop_back();
                rows.push_back(At(node).Row);
                node = At(node).Right;
            }
        }
        return rows;
    }

private:
    static constexpr int None = -1;
    struct Node {
        int Row;
        std::uint32_t Priority;
        int Left = None;
        int Right = None;
        int Size = 1;
    };

    Node& At(int node) { return nodes_[static_cast<std::size_t>(node)]; }
    const Node& At(int node) const { return nodes_[static_cast<std::size_t>(node)]; }
    int SizeOf(int node) const { return node == None ? 0 : At(node).Size; }
    void Update(int node) { At(node).Size = 1 + SizeOf(At(node).Left) + SizeOf(At(node).Right); }

    int NewNode(int row) {
        // Priorities from a generator of their own, so the shuffle's draws stay untouched.
        priority_ ^= priority_ << 13;
        priority_ ^= priority_ >> 17;
        priority_ ^= priority_ << 5;
        nodes_.push_back({row, priority_});
        return static_cast<int>(nodes_.size()) - 1;
    }
    // The first `count` rows of `node`, and the rest.
    std::pair<int, int> Split(int node, int count) {
        if (node == None) {
            return {None, None};
        }
        if (SizeOf(At(node).Left) >= count) {
            auto [left, right] = Split(At(node).Left, count);
            At(node).Left = right;
            Update(node);
            return {left, node};
        }
        auto [left, right] = Split(At(node).Right, count - SizeOf(At(node).Left) - 1);
        At(node).Right = left;
        Update(node);
        return {node, right};
    }
    int Merge(int left, int right) {
        if (left == None || right == None) {
            return left == None ? right : left;
        }
        if (At(left).Priority > At(right).Priority) {
            At(left).Right = Merge(At(left).Right, right);
            Update(left);
            return left;
        }
        At(right).Left = Merge(left, At(right).Left);
        Update(right);
        return right;
    }

    std::vector<Node> nodes_;
    int root_ = None;
    std::uint32_t priority_ = 2463534242u;
};

} // namespace

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
        shuffled.PutAt(static_cast<int>(to), shuffled.TakeAt(static_cast<int>(row)));
    }
    for (int row : shuffled.Rows()) {
        order.push_back(row);
    }
    Arrangement result{std::move(order), std::vector<bool>(selected.size(), false)};
    for (std::size_t row = 0; row < top; ++row) {
        result.Selected[row] = true;
    }
    return result;
}

} // namespace tundeck
