// The headless measurement: a recording is fed to the instrument block by
// block, as the capture stream would deliver it, and every display cycle's
// readouts are printed as one JSON line. Needs no sound device and draws
// nothing; a QApplication must exist (the offscreen platform will do).
// GUI thread only.
#pragma once

#include <iosfwd>
#include <string>

namespace zvk {

class TForm1;

// Frames per block: one capture buffer of 32000 bytes.
inline constexpr int kHeadlessBlockFrames = 8000;

// Exit statuses.
inline constexpr int kHeadlessOk = 0;
inline constexpr int kHeadlessRefused = 2;

// Measures the file from offsetFrames on. Blocks are numbered from 0; a last
// partial block is padded with silence. Returns kHeadlessRefused, with a
// message on err, for a file that cannot be read, is not 44100 Hz stereo, or
// an offset outside it.
int RunHeadlessMeasure(const std::string& path, long long offsetFrames, std::ostream& out,
                       std::ostream& err);

// The same on a window the caller made; the window's state is set to its
// start-up values first.
int RunHeadlessMeasure(TForm1& form, const std::string& path, long long offsetFrames,
                       std::ostream& out, std::ostream& err);

// Gives a window the start-up values of everything a display cycle reads,
// without touching sound devices or the screen.
void SetHeadlessStartupState(TForm1& form);

} // namespace zvk
