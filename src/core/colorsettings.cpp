#include "core/colorsettings.h"

#include "platform/dialogs.h"

namespace {
// The AppState field of each slot: three per window, in WindowColors order.
template <class State> auto &field(State &state, ColorSlot slot)
{
    static constexpr std::array<ColorValue WindowColors::*, 3> Fields{
        &WindowColors::back, &WindowColors::boxBack, &WindowColors::text};
    auto &colors = slot < PracticeBack ? state.entryColors : state.practiceColors;
    return colors.*Fields[std::size_t(slot % 3)];
}
} // namespace

QList<ColorSlot> colorSlotsFor(const ColorTargets &targets)
{
    QList<ColorSlot> targeted;
    const auto addWindow = [&](bool where, ColorSlot back, ColorSlot boxes, ColorSlot text) {
        if (!where)
            return;
        if (targets.back)
            targeted << back;
        if (targets.boxes)
            targeted << boxes;
        if (targets.text)
            targeted << text;
    };
    addWindow(targets.entry, EntryBack, EntryBoxBack, EntryText);
    addWindow(targets.practice, PracticeBack, PracticeBoxBack, PracticeText);
    return targeted;
}

bool pickColor(OptionsState &options, const ColorTargets &targets, Dialogs &dialogs)
{
    const QList<ColorSlot> targeted = colorSlotsFor(targets);
    if (targeted.isEmpty())
        return false;
    options.colorsChanged = true;
    const std::optional<ColorValue> chosen = dialogs.chooseColor({ColorDialogTitle, ColorDialogStart});
    if (chosen) {
        for (ColorSlot slot : targeted)
            options.pendingColors[std::size_t(slot)] = *chosen;
    }
    return true;
}

ColorValue storedColor(const AppState &state, ColorSlot slot)
{
    return field(state, slot);
}

ColorValue colorAfterOk(const AppState &state, const OptionsState &options, ColorSlot slot)
{
    return options.pendingColors[std::size_t(slot)].value_or(storedColor(state, slot));
}

bool colorsClash(const AppState &state, const OptionsState &options, const PaintedColor &painted)
{
    const auto same = [&](ColorSlot a, ColorSlot b) {
        return painted(colorAfterOk(state, options, a)) == painted(colorAfterOk(state, options, b));
    };
    return same(EntryBoxBack, EntryText) || same(PracticeBoxBack, PracticeText);
}

void applyPendingColors(AppState &state, const OptionsState &options)
{
    for (int slot = 0; slot < ColorSlotCount; ++slot) {
        if (const std::optional<ColorValue> &pending = options.pendingColors[std::size_t(slot)])
            field(state, ColorSlot(slot)) = *pending;
    }
}
