#include "app/MenuCommands.h"

#include "core/Form1.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <cstdlib>

namespace zvk {

const std::vector<std::string>& MixerPrograms() {
    // PulseAudio's own first: it also runs on PipeWire's pulse server.
    static const std::vector<std::string> programs = {"pavucontrol", "pwvucontrol",
                                                      "pavucontrol-qt"};
    return programs;
}

std::string FindMixerProgram(std::string_view searchPath) {
    for (const std::string& program : MixerPrograms()) {
        std::string_view rest = searchPath;
        while (true) {
            const std::size_t colon = rest.find(':');
            const std::string_view dir = rest.substr(0, colon);
            if (!dir.empty()) {
                std::string candidate(dir);
                if (candidate.back() != '/')
                    candidate += '/';
                candidate += program;
                const QFileInfo info(QString::fromStdString(candidate));
                if (info.isFile() && info.isExecutable())
                    return candidate;
            }
            if (colon == std::string_view::npos)
                break;
            rest.remove_prefix(colon + 1);
        }
    }
    return {};
}

// Starts another copy at each choice and never waits for it or watches it;
// when no mixer program is installed or it cannot start, nothing happens.
void TForm1::mix1Click(vcl::TObject* /*Sender*/) {
    const char* path = std::getenv("PATH");
    const std::string program = FindMixerProgram(path ? path : "");
    if (program.empty())
        return;
    QProcess::startDetached(QString::fromStdString(program), {});
}

} // namespace zvk
