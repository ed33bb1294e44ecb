// A reference-list window double: answers each Pick from a script and records the parameters it
// was given.
#pragma once

#include "lists/DictTypes.h"

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace mcb::test {

class ScriptedPicker : public ListPicker {
public:
    // The selection to return with OK; nothing = the window is cancelled.
    void Expect(std::optional<std::string> selection) { replies_.push_back(std::move(selection)); }

    bool Pick(DictParams& params) override {
        calls.push_back(params);
        if (replies_.empty()) throw std::logic_error("unexpected list pick");
        const auto reply = replies_.front();
        replies_.pop_front();
        if (reply) params.selection = *reply;
        return reply.has_value();
    }

    bool Exhausted() const { return replies_.empty(); }

    std::vector<DictParams> calls;

private:
    std::deque<std::optional<std::string>> replies_;
};

} // namespace mcb::test
