#include "platform/lazyspeaker.h"

#include "platform/modules.h"

namespace {
std::unique_ptr<SpeechEngine> loadEngine()
{
    using Factory = SpeechEngine *(*)();
    const auto create = reinterpret_cast<Factory>(
        moduleFunction(QStringLiteral("ordkvarnen_speech"), SpeechEngineFactoryName));
    return std::unique_ptr<SpeechEngine>(create ? create() : nullptr);
}
} // namespace

LazySpeaker::LazySpeaker()
    : ThreadedSpeaker(loadEngine)
{
}
