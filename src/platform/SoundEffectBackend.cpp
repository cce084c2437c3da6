// The sound module (libvlnobrod_sound.so): wave files played through Qt Multimedia.
#include "SoundBackend.h"

#include <QSoundEffect>
#include <QUrl>

namespace vlnobrod {

namespace {

class SoundEffectBackend final : public SoundBackend {
public:
    void Play(const QString& file) override {
        effect_.stop();
        effect_.setSource(QUrl::fromLocalFile(file));
        effect_.setLoopCount(1);
        effect_.play();
    }

private:
    QSoundEffect effect_;
};

} // namespace

} // namespace vlnobrod

extern "C" Q_DECL_EXPORT vlnobrod::SoundBackend* vlnobrod_make_sound_backend() {
    return new vlnobrod::SoundEffectBackend;
}
