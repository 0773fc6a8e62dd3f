#include "signal_interface/auxiliary_relay_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

AuxiliaryRelayTypes::AuxiliaryRelayTypes(QObject *parent)
    : QObject(parent)
{}

AuxiliaryRelayTypes::~AuxiliaryRelayTypes() = default;

bool AuxiliaryRelayTypes::fromInt(int value, TimeScaling &result)
{
    return enumFromInt<AuxiliaryRelayTypes>("TimeScaling", value, result);
}

QString AuxiliaryRelayTypes::toText(TimeScaling value)
{
    return enumValueText<AuxiliaryRelayTypes>("TimeScaling", value);
}

bool AuxiliaryRelayTypes::fromInt(int value, Function &result)
{
    return enumFromInt<AuxiliaryRelayTypes>("Function", value, result);
}

QString AuxiliaryRelayTypes::toText(Function value)
{
    return enumValueText<AuxiliaryRelayTypes>("Function", value);
}

bool AuxiliaryRelayTypes::fromInt(int value, FragranceSetting &result)
{
    return enumFromInt<AuxiliaryRelayTypes>("FragranceSetting", value, result);
}

QString AuxiliaryRelayTypes::toText(FragranceSetting value)
{
    return enumValueText<AuxiliaryRelayTypes>("FragranceSetting", value);
}

bool AuxiliaryRelayTypes::fromInt(int value, DescalingSetting &result)
{
    return enumFromInt<AuxiliaryRelayTypes>("DescalingSetting", value, result);
}

QString AuxiliaryRelayTypes::toText(DescalingSetting value)
{
    return enumValueText<AuxiliaryRelayTypes>("DescalingSetting", value);
}

void AuxiliaryRelayTypes::makeDefaultAuxiliaryRelayPosts(QList<AuxiliaryRelayPost> &posts)
{
    for (int relay = 0; relay < relayCount; ++relay) {
        AuxiliaryRelayPost post;
        post.index = static_cast<quint32>(relay);
        posts.append(post);
    }
}

} // namespace signalInterface
