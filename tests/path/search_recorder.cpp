#include "search_recorder.h"

namespace {
SearchRecorder& recorderOf(intptr_t data) {
    return *reinterpret_cast<SearchRecorder*>(data);
}

Notice noticeOf(char list, const PathNode* parent, const PathNode* node, int32_t code) {
    return Notice{list,    code,   parent ? parent->x : NO_CELL, parent ? parent->y : NO_CELL,
                  node->x, node->y};
}

int32_t onList(const PathNode* parent, const PathNode* node, int32_t code, intptr_t data) {
    SearchRecorder& recorder = recorderOf(data);
    recorder.notices.push_back(noticeOf('L', parent, node, code));
    recorder.nodes[{node->x, node->y}] = node;
    return 0;
}

int32_t onChild(const PathNode* parent, const PathNode* node, int32_t code, intptr_t data) {
    recorderOf(data).notices.push_back(noticeOf('C', parent, node, code));
    return 0;
}
} // namespace

void PrintTo(const Notice& n, std::ostream* out) {
    *out << n.list << n.code << " (";
    if (n.parentX == NO_CELL)
        *out << "none";
    else
        *out << n.parentX << ',' << n.parentY;
    *out << ")->(" << n.x << ',' << n.y << ')';
}

void SearchRecorder::attach(PathSearch& search) {
    search.listNotifyFn = onList;
    search.childNotifyFn = onChild;
    search.notifyData = reinterpret_cast<intptr_t>(this);
}

const PathNode* SearchRecorder::node(int32_t x, int32_t y) const {
    auto found = nodes.find({x, y});
    return found == nodes.end() ? nullptr : found->second;
}

Route SearchRecorder::popped() const {
    Route cells;
    for (const Notice& n : notices)
        if (n.list == 'L' && n.code == LIST_POPPED)
            cells.push_back({n.x, n.y});
    return cells;
}

Notice listNotice(int32_t code, int32_t px, int32_t py, int32_t x, int32_t y) {
    return Notice{'L', code, px, py, x, y};
}
Notice listNotice(int32_t code, int32_t x, int32_t y) {
    return Notice{'L', code, NO_CELL, NO_CELL, x, y};
}
Notice childNotice(int32_t code, int32_t px, int32_t py, int32_t x, int32_t y) {
    return Notice{'C', code, px, py, x, y};
}
Notice childNotice(int32_t code, int32_t x, int32_t y) {
    return Notice{'C', code, NO_CELL, NO_CELL, x, y};
}
