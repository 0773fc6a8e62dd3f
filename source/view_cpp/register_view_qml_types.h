#pragma once

// QML types of the view core. The start-up screen is loaded between the two steps and must not
// see the indicator, so the frame may call them apart; registerViewQmlTypes() does both.
namespace view {

// "ViewTypes" in "ViewTypesLib" 1.0 and "DropShadow" in "Effects" 1.0.
void registerComponentQmlTypes();
// "CircleValueProvider" in "PanelComponents" 1.0.
void registerCircleValueProviderQmlType();
void registerViewQmlTypes();

} // namespace view
