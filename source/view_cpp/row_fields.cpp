#include "view_cpp/row_fields.h"

#include "view_cpp/row_item_tables.h"

namespace view {
namespace {

struct RowFieldAccess
{
    RowField field;
    FieldAccess<RowFields> access;
};

// How each row field is shown, taken and announced: the same in both families. The component
// type is the kind's own and is never written, so it has no entry here.
constexpr RowFieldAccess rowFieldAccess[] = {
    {RowField::TextOnSubMenu, field<&RowFields::textOnSubMenu>(OnSet::OnChange)},
    {RowField::TextValue1, field<&RowFields::textValue1>(OnSet::OnChange)},
    {RowField::TextValue2, field<&RowFields::textValue2>(OnSet::OnChange)},
    {RowField::TextValue3, field<&RowFields::textValue3>(OnSet::OnChange)},
    {RowField::LayoutOrder,
     textField<&RowFields::layoutOrder, layoutOrderText, layoutOrderFromText>(OnSet::OnChange)},
    {RowField::LayoutType, field<&RowFields::layoutType>(OnSet::Always)},
    {RowField::CheckmarkChecked, field<&RowFields::checkmarkChecked>(OnSet::OnChange)},
    {RowField::TypeOfItem,
     textField<&RowFields::typeOfItem, typeOfItemText, typeOfItemFromText>(OnSet::Always)},
    {RowField::TruncateText, field<&RowFields::truncateText>(OnSet::Always)},
    {RowField::Enabled, field<&RowFields::enabled>(OnSet::Always)},
    {RowField::Opacity, field<&RowFields::opacity>(OnSet::Always)},
    {RowField::BackgroundPressedMode, field<&RowFields::backgroundPressedMode>(OnSet::OnChange)},
    {RowField::IconType,
     textField<&RowFields::iconType, iconTypeText, iconTypeFromText>(OnSet::Always)},
};

// Null for the component type.
const FieldAccess<RowFields> *accessOf(RowField field)
{
    for (const RowFieldAccess &entry : rowFieldAccess) {
        if (entry.field == field)
            return &entry.access;
    }
    return nullptr;
}

unsigned bitOf(RowField field)
{
    return 1U << static_cast<unsigned>(field);
}

} // namespace

RowFieldsItem::RowFieldsItem(int applId, const std::vector<RowRole> &family,
                             const std::vector<RowField> &fields)
    : ListItem(applId)
    , m_family(family)
{
    for (RowField field : fields)
        m_has |= bitOf(field);
}

QHash<int, QByteArray> RowFieldsItem::roleNamesOf(const std::vector<RowRole> &family)
{
    QHash<int, QByteArray> names;
    for (const RowRole &role : family)
        names.insert(role.id, role.name);
    return names;
}

bool RowFieldsItem::has(RowField field) const
{
    return (m_has & bitOf(field)) != 0;
}

int RowFieldsItem::roleOf(RowField field) const
{
    for (const RowRole &role : m_family) {
        if (role.field == field)
            return role.id;
    }
    return -1;
}

bool RowFieldsItem::fieldOf(int role, RowField &field) const
{
    for (const RowRole &entry : m_family) {
        if (entry.id == role && has(entry.field)) {
            field = entry.field;
            return true;
        }
    }
    return false;
}

QVariant RowFieldsItem::data(int role) const
{
    RowField field = RowField::ComponentType;
    if (!fieldOf(role, field))
        return {};
    if (field == RowField::ComponentType)
        return componentType();
    return accessOf(field)->read(m_fields);
}

bool RowFieldsItem::setData(const QVariant &value, int role)
{
    RowField field = RowField::ComponentType;
    if (!fieldOf(role, field))
        return false;
    // A null access (the component type) is refused.
    return writeField(accessOf(field), m_fields, value);
}

template<typename T>
void RowFieldsItem::storeField(RowField field, T RowFields::*member, const T &value)
{
    const FieldAccess<RowFields> *access = accessOf(field);
    const int role = roleOf(field);
    if (access != nullptr && role >= 0 && has(field))
        store(access->onSet, m_fields.*member, value);
}

void RowFieldsItem::setLayoutOrder(int layoutOrder)
{
    storeField(RowField::LayoutOrder, &RowFields::layoutOrder, layoutOrder);
}

void RowFieldsItem::setTextOnSubMenu(const QString &text)
{
    storeField(RowField::TextOnSubMenu, &RowFields::textOnSubMenu, text);
}

void RowFieldsItem::setTextValue1(const QString &text)
{
    storeField(RowField::TextValue1, &RowFields::textValue1, text);
}

void RowFieldsItem::setTextValue2(const QString &text)
{
    storeField(RowField::TextValue2, &RowFields::textValue2, text);
}

void RowFieldsItem::setCheckmarkChecked(bool checked)
{
    storeField(RowField::CheckmarkChecked, &RowFields::checkmarkChecked, checked);
}

void RowFieldsItem::setLayoutType(const QString &layoutType)
{
    storeField(RowField::LayoutType, &RowFields::layoutType, layoutType);
}

void RowFieldsItem::setTypeOfItem(int typeOfItem)
{
    storeField(RowField::TypeOfItem, &RowFields::typeOfItem, typeOfItem);
}

void RowFieldsItem::setTruncateText(bool truncate)
{
    storeField(RowField::TruncateText, &RowFields::truncateText, truncate);
}

void RowFieldsItem::setEnabled(bool enabled)
{
    storeField(RowField::Enabled, &RowFields::enabled, enabled);
}

void RowFieldsItem::setOpacity(double opacity)
{
    storeField(RowField::Opacity, &RowFields::opacity, opacity);
}

void RowFieldsItem::setBackgroundPressedMode(const int &mode)
{
    storeField(RowField::BackgroundPressedMode, &RowFields::backgroundPressedMode, mode);
}

void RowFieldsItem::setIconType(int iconType)
{
    storeField(RowField::IconType, &RowFields::iconType, iconType);
}

} // namespace view
