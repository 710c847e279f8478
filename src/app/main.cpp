#include "app/CommandLine.h"
#include "app/HeadlessMeasure.h"
#include "app/Program.h"
#include "platform/mm/MMSystem.h"

#include <QApplication>
#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    zvk::CommandLine options;
    std::string error;
    if (!zvk::ParseCommandLine(args, options, error)) {
        std::cerr << "zvukoskop: " << error << "\n" << zvk::UsageText();
        return 2;
    }
    if (options.help) {
        std::cout << zvk::UsageText();
        return 0;
    }
    if (options.version) {
        std::cout << "zvukoskop " << ZVK_VERSION << "\n";
        return 0;
    }
    if (options.listDevices)
        return mm::ListDevices(std::cout) ? 0 : 1;
    if (!options.measureFile.empty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // no window is shown
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zvukoskop"));
    zvk::ApplyInstrumentStyle();
    if (!options.measureFile.empty())
        return zvk::RunHeadlessMeasure(options.measureFile, options.measureOffset, std::cout,
                                       std::cerr);
    return zvk::RunInstrument(options);
}
