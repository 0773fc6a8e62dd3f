#pragma once

#include <QSize>
#include <QString>

#include <map>

namespace view {

// Application size in pixels per product type: 272 x 480 for the wall panels, 340 x 600 for the PC.
std::map<int, QSize> appSizeTable();

// The table's size for the product type; 0 x 0 when the table has no row for it.
QSize appSize(const std::map<int, QSize> &table, int productType);

// The word QML uses for the product type ("fell" or "pc"); empty for any other value.
QString systemTypeQmlKey(int productType);

// The word QML uses for the brand ("vaho", "lumo", ...); empty for any other value.
QString systemBrandQmlKey(int brand);

} // namespace view
