#include "view_cpp/register_view_qml_types.h"

#include "view_cpp/circle_value_provider.h"
#include "view_cpp/component_types.h"
#include "view_cpp/drop_shadow.h"
#include "view_cpp/line_breaks.h"
#include "view_cpp/row_flag_texts.h"

#include <QtQml/qqml.h>

namespace view {

void registerComponentQmlTypes()
{
    qmlRegisterType<ComponentTypes>("ViewTypesLib", 1, 0, "ViewTypes");
    qmlRegisterSingletonType<RowFlagTexts>(
        "ViewTypesLib", 1, 0, "RowFlags",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new RowFlagTexts(); });
    qmlRegisterSingletonType<LineBreaks>(
        "ViewTypesLib", 1, 0, "LineBreaks",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new LineBreaks(); });
    qmlRegisterType<DropShadow>("Effects", 1, 0, "DropShadow");
}

void registerCircleValueProviderQmlType()
{
    qmlRegisterType<CircleValueProvider>("PanelComponents", 1, 0, "CircleValueProvider");
}

void registerViewQmlTypes()
{
    registerComponentQmlTypes();
    registerCircleValueProviderQmlType();
}

} // namespace view
