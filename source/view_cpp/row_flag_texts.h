#pragma once

#include "view_cpp/row_item_tables.h"

#include <QObject>
#include <QString>

namespace view {

// The texts a menu row answers for its kind ("typeOfItem") and its place in the list
// ("layoutOrder"), by name for QML, taken from the one table the rows use.
class RowFlagTexts : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString onlySubmenu MEMBER m_onlySubmenu CONSTANT)
    Q_PROPERTY(QString selectableSubmenu MEMBER m_selectableSubmenu CONSTANT)
    Q_PROPERTY(QString onlyCheckmark MEMBER m_onlyCheckmark CONSTANT)
    Q_PROPERTY(QString mixCheckmarkSubmenu MEMBER m_mixCheckmarkSubmenu CONSTANT)
    Q_PROPERTY(QString rawRow MEMBER m_rawRow CONSTANT)
    Q_PROPERTY(QString bottom MEMBER m_bottom CONSTANT)
    Q_PROPERTY(QString single MEMBER m_single CONSTANT)

public:
    using QObject::QObject;

private:
    QString m_onlySubmenu = typeOfItemText(rowType::onlySubmenu);
    QString m_selectableSubmenu = typeOfItemText(rowType::selectableSubmenu);
    QString m_onlyCheckmark = typeOfItemText(rowType::onlyCheckmark);
    QString m_mixCheckmarkSubmenu = typeOfItemText(rowType::mixCheckmarkSubmenu);
    QString m_rawRow = typeOfItemText(rowType::rawRow);
    QString m_bottom = layoutOrderText(rowLayout::bottom);
    QString m_single = layoutOrderText(rowLayout::single);
};

} // namespace view
