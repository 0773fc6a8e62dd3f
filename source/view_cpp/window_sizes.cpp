#include "view_cpp/window_sizes.h"

namespace view {

namespace {

QString wordOf(const std::map<int, QString> &words, int key)
{
    const auto entry = words.find(key);
    return entry == words.end() ? QString() : entry->second;
}

} // namespace

std::map<int, QSize> appSizeTable()
{
    return {{0, QSize(272, 480)}, {1, QSize(272, 480)}, {2, QSize(340, 600)}};
}

QSize appSize(const std::map<int, QSize> &table, int productType)
{
    const auto entry = table.find(productType);
    return entry == table.end() ? QSize(0, 0) : entry->second;
}

QString systemTypeQmlKey(int productType)
{
    static const std::map<int, QString> words{{0, "fell"}, {1, "fell"}, {2, "pc"}};
    return wordOf(words, productType);
}

QString systemBrandQmlKey(int brand)
{
    static const std::map<int, QString> words{
        {0, "vaho"}, {1, "lumo"}, {2, "orvela"}, {3, "kastela"}, {4, "undefined"}};
    return wordOf(words, brand);
}

} // namespace view
