#include "platform/Services.h"
#include "storage/Storable.h"
#include "storage/TextCodec.h"

namespace mcb {

std::optional<std::string> Prompts::InputLine(const std::string& caption, const std::string& prompt,
                                              const std::string& initial) {
    std::string shown = Utf8FromCp1251(initial);
    for (;;) {
        const std::optional<std::string> typed = TypeLine(caption, prompt, shown);
        if (!typed) return std::nullopt;
        StorableText text = CheckStorable(*typed);
        if (text.Ok()) return std::move(text.text);
        WarnUnstorable(UnstorableMessage(StoreTarget::Catalogue, text.unstorable));
        shown = *typed;
    }
}

bool SayRefusal(Prompts& prompts, const std::optional<UserText>& refusal) {
    if (refusal) prompts.Message(*refusal);
    return refusal.has_value();
}

} // namespace mcb
