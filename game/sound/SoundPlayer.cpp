#include "SoundPlayer.h"

#include <map>
#include <QSoundEffect>
#include <QUrl>

namespace {

class EffectSoundPlayer final : public SoundPlayer {
public:
    void Play(const QString& resourceName) override
    {
        QSoundEffect* effect = EffectFor(resourceName);
        if (playing_ && playing_ != effect)
            playing_->stop();
        effect->stop();
        effect->play();
        playing_ = effect;
    }

private:
    // Effects are made once per sound and kept, so that a click does not wait for decoding.
    QSoundEffect* EffectFor(const QString& resourceName)
    {
        auto found = effects_.find(resourceName);
        if (found != effects_.end())
            return found->second.get();
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl("qrc:/WAVE/" + resourceName));
        QSoundEffect* raw = effect.get();
        effects_.emplace(resourceName, std::move(effect));
        return raw;
    }

    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* playing_ = nullptr;
};

} // namespace

std::unique_ptr<SoundPlayer> SoundPlayer::CreateDefault()
{
    return std::make_unique<EffectSoundPlayer>();
}
