#include "lists/DictModes.h"

#include "storage/Literal.h"

#include <array>

namespace mcb {

DictMode ModeOf(const DictParams& params) {
    if (params.editMode) return DictMode::Edit;
    return params.multiSelect ? DictMode::Multi : DictMode::Single;
}

const std::string& ModeHint(DictMode mode) {
    static const std::array<std::string, 3> hints{
        W("Редактируйте выбранное поле двойным щелчком мышки"),
        W("Выбирайте поле двойным щелчком мышки"),
        W("Добавляйте и удаляйте поле из списка выбора двойным щелчком мышки"),
    };
    return hints[static_cast<std::size_t>(mode)];
}

int ModeHelpTopic(DictMode mode) {
    static constexpr std::array<int, 3> topics{11, 12, 13};
    return topics[static_cast<std::size_t>(mode)];
}

} // namespace mcb
