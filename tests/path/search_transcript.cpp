#include "search_transcript.h"

#include <algorithm>
#include <sstream>
#include <unordered_map>

namespace {
constexpr int32_t NO_PARENT = -99;

Transcript& transcriptOf(intptr_t data) {
    return *reinterpret_cast<Transcript*>(data);
}

CallRecord callOf(char callback, const PathNode* parent, const PathNode* node, int32_t code,
                  bool realNode) {
    CallRecord call{callback,
                    code,
                    parent ? parent->x : NO_PARENT,
                    parent ? parent->y : NO_PARENT,
                    node->x,
                    node->y,
                    0,
                    0,
                    0};
    if (realNode) {
        call.g = node->g;
        call.f = node->f;
        call.h = node->h;
    }
    return call;
}

int32_t numberOf(const std::unordered_map<const PathNode*, int32_t>& numbers,
                 const PathNode* node) {
    if (!node)
        return -1;
    const auto found = numbers.find(node);
    return found == numbers.end() ? -2 : found->second;
}

NodeRecord recordOf(const PathNode& node,
                    const std::unordered_map<const PathNode*, int32_t>& numbers) {
    NodeRecord record{node.f,
                      node.g,
                      node.h,
                      node.x,
                      node.y,
                      node.childCount,
                      node.id,
                      numberOf(numbers, node.parent),
                      numberOf(numbers, node.next),
                      {}};
    for (int32_t i = 0; i < 8; ++i)
        record.children[i] = numberOf(numbers, node.children[i]);
    return record;
}

std::string describeNode(const NodeRecord& node) {
    std::ostringstream out;
    out << "(" << node.x << ',' << node.y << ") f " << node.f << " g " << node.g << " h " << node.h
        << " id " << node.id << " parent #" << node.parent << " next #" << node.next << " children";
    for (int32_t i = 0; i < node.childCount && i < 8; ++i)
        out << " #" << node.children[i];
    return out.str();
}
} // namespace

bool CallRecord::operator==(const CallRecord& o) const {
    return callback == o.callback && code == o.code && parentX == o.parentX &&
           parentY == o.parentY && x == o.x && y == o.y && g == o.g && f == o.f && h == o.h;
}

bool NodeRecord::operator==(const NodeRecord& o) const {
    return f == o.f && g == o.g && h == o.h && x == o.x && y == o.y && childCount == o.childCount &&
           id == o.id && parent == o.parent && next == o.next &&
           std::equal(children, children + 8, o.children);
}

int32_t recordValid(const PathNode* parent, const PathNode* node, int32_t code, intptr_t data) {
    Transcript& transcript = transcriptOf(data);
    transcript.calls.push_back(callOf('V', parent, node, code, false));
    return transcript.grid->open(node->x, node->y) ? 1 : 0;
}

int32_t recordPrice(const PathNode* parent, const PathNode* node, int32_t code, intptr_t data) {
    Transcript& transcript = transcriptOf(data);
    // A scratch probe while linking, a real node while propagating a saving.
    const bool realNode = transcript.live.count(node) != 0;
    transcript.calls.push_back(callOf('P', parent, node, code, realNode));
    return transcript.grid->price(node->x, node->y);
}

int32_t recordChild(const PathNode* parent, const PathNode* node, int32_t code, intptr_t data) {
    Transcript& transcript = transcriptOf(data);
    if (code == NOTIFY_START || code == NOTIFY_NEW) {
        transcript.created.push_back(node);
        transcript.live.insert(node);
    }
    transcript.calls.push_back(callOf('C', parent, node, code, true));
    return 0;
}

int32_t recordList(const PathNode* parent, const PathNode* node, int32_t code, intptr_t data) {
    transcriptOf(data).calls.push_back(callOf('L', parent, node, code, true));
    return 0;
}

void takeSnapshot(Transcript& transcript, const PathNode* best) {
    std::unordered_map<const PathNode*, int32_t> numbers;
    for (size_t i = 0; i < transcript.created.size(); ++i)
        numbers[transcript.created[i]] = static_cast<int32_t>(i);
    for (const PathNode* node : transcript.created)
        transcript.nodes.push_back(recordOf(*node, numbers));
    transcript.best = numberOf(numbers, best);
    for (const PathNode* at = best; at && transcript.route.size() <= numbers.size();
         at = at->parent)
        transcript.route.push_back(numberOf(numbers, at));
}

std::string describeCall(const CallRecord& call) {
    std::ostringstream out;
    out << call.callback << call.code << " (";
    if (call.parentX == NO_PARENT)
        out << "none";
    else
        out << call.parentX << ',' << call.parentY;
    out << ")->(" << call.x << ',' << call.y << ") g " << call.g << " f " << call.f << " h "
        << call.h;
    return out.str();
}

std::string describeRoute(const Transcript& transcript) {
    std::ostringstream out;
    out << (transcript.found ? "found" : "not found") << ", best #" << transcript.best << ':';
    for (int32_t number : transcript.route) {
        if (number < 0) {
            out << " ?";
            continue;
        }
        const NodeRecord& node = transcript.nodes[number];
        out << " (" << node.x << ',' << node.y << " g " << node.g << " f " << node.f << ')';
    }
    return out.str();
}

std::string firstDifference(const Transcript& a, const Transcript& b) {
    const size_t calls = std::min(a.calls.size(), b.calls.size());
    for (size_t i = 0; i < calls; ++i)
        if (!(a.calls[i] == b.calls[i]))
            return "call " + std::to_string(i) + ": " + describeCall(a.calls[i]) + " vs " +
                   describeCall(b.calls[i]);
    if (a.calls.size() != b.calls.size())
        return "call count " + std::to_string(a.calls.size()) + " vs " +
               std::to_string(b.calls.size());
    if (a.found != b.found || a.best != b.best || a.stepResults != b.stepResults ||
        a.route != b.route)
        return "result";
    if (a.nodes.size() != b.nodes.size())
        return "node count";
    for (size_t i = 0; i < a.nodes.size(); ++i)
        if (!(a.nodes[i] == b.nodes[i]))
            return "node #" + std::to_string(i) + ": " + describeNode(a.nodes[i]) + " vs " +
                   describeNode(b.nodes[i]);
    return "";
}
