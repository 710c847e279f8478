// Provisional: streams that never open (the device layer is not built yet).
#include "audio/AudioIO.h"

namespace {
std::string g_notYet = "Wave device layer not built yet";
}

TAudioIO::TAudioIO(QObject*) {}
TAudioIO::~TAudioIO() = default;
std::int32_t TAudioIO::BufferSize() const { return 0; }
void TAudioIO::SetBufferSize(std::int32_t) {}
std::int32_t TAudioIO::NumBuffers() const { return 4; }
void TAudioIO::SetNumBuffers(std::int32_t) {}
std::int32_t TAudioIO::FrameRate() const { return 22050; }
void TAudioIO::SetFrameRate(std::int32_t) {}
bool TAudioIO::Stereo() const { return false; }
void TAudioIO::SetStereo(bool) {}
std::uint16_t TAudioIO::Quantization() const { return 16; }
void TAudioIO::SetQuantization(std::uint16_t) {}
const std::string& TAudioIO::ErrorText() const { return g_notYet; }
TAudioIn::TAudioIn(QObject* o) : TAudioIO(o) {}
TAudioIn::~TAudioIn() = default;
bool TAudioIn::StartStream(TAudioIn*&) { return false; }
TAudioOut::TAudioOut(QObject* o) : TAudioIO(o) {}
TAudioOut::~TAudioOut() = default;
bool TAudioOut::StartStream(TAudioOut*&) { return false; }
