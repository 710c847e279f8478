// The instrument state as JSON, for --dump-state and for tools outside the
// program. The format is stable: add keys, never rename them.
#pragma once

#include <QJsonObject>
#include <string>

namespace zvk {

class TForm1;

// Every scalar state field by its name (arrays left out).
QJsonObject DumpStateFields(const TForm1& form);
// {"window": ..., "controls": ..., "state": ...}
QJsonObject DumpAll(const TForm1& form);
// extra: further top-level keys (for example the run's figures).
bool WriteStateFile(const TForm1& form, const std::string& path, std::string& error,
                    const QJsonObject& extra = {});

} // namespace zvk
