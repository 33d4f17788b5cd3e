#include "commands.h"
#include "image_files.h"
#include "record_json.h"
#include "storage/reference_files.h"

namespace velka::cli {

int RunDecode(const Arguments& arguments, Context& context) {
    if (arguments.positional.size() != 1)
        throw UsageError{"decode takes one IMAGE"};
    const TemperatureUnit unit = arguments.Unit(TemperatureUnit::Celsius);
    const LoggerImage image = ReadImageArgument(arguments.positional[0]);
    const Recording recording = DecodeRecording(image, context.tables, context.now);
    // current.txt is for inspection only; failing to write it is not a failure of the decode.
    WriteCurrentTable(context.dataRoot, recording.currentTable);
    context.out << RecordingJson(image, recording, unit).dump() << '\n';
    return kExitSuccess;
}

}  // namespace velka::cli
