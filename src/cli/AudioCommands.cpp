#include <cstdio>
#include <optional>
#include <string>

#include "audio/MasterVolume.h"
#include "audio/NullOutput.h"
#include "audio/engine/PlayerTexts.h"
#include "audio/player/CMMAudioPlayerX.h"
#include "audio/pulse/PulseOutputFactory.h"
#include "cli/CliPlayList.h"
#include "cli/Commands.h"
#include "cli/NumberArg.h"
#include "core/app/EventQueue.h"

namespace sonara::cli {

int runInfo(Context& context, Args& args) {
    const char* line = "info FILE";
    const auto files = args.operands();
    if (args.hasError() || files.size() != 1) {
        return usage(context, line, args.error());
    }
    EventQueue queue;
    audio::NullOutputFactory outputs;
    audio::CMMAudioPlayerX player(queue, outputs);
    if (const Status opened = player.setFileName(files[0]); !opened) {
        context.report(files[0] + ": " + opened.error());
        return kFailure;
    }
    audio::StreamDescription stream;
    stream.bitRateKbps = player.bitRate();
    stream.digital = player.digital() == 1;
    stream.channels = player.channels();
    stream.sampleRateHz = player.sampleRate();
    stream.isMpeg = player.isMpeg() != 0;
    stream.layer = player.layer();
    if (stream.sampleRateHz == 0) {
        context.report(files[0] + ": the file cannot be decoded");
        return kFailure;
    }
    std::fprintf(context.out(), "%s\nLength: %s\n", audio::fileDescription(stream, false).c_str(),
                 audio::formatPlayTime(player.length() / 1000).c_str());
    return kSuccess;
}

int runDevices(Context& context, Args& args) {
    const auto operands = args.operands();
    if (args.hasError() || !operands.empty()) {
        return usage(context, "devices", args.error());
    }
    audio::pulse::PulseOutputFactory outputs;
    for (int i = 0;; ++i) {
        const std::string name = outputs.deviceName(i);
        if (name.empty()) {
            if (i == 0) {
                context.report(kNoOutputHint);
                return kFailure;
            }
            return kSuccess;
        }
        std::fprintf(context.out(), "%d %s\n", i, name.c_str());
    }
}

int runVolume(Context& context, Args& args) {
    const char* line = "volume | volume set VALUE";
    const auto operands = args.operands();
    if (args.hasError() || (!operands.empty() && (operands.size() != 2 || operands[0] != "set"))) {
        return usage(context, line, args.error());
    }
    std::optional<int> value;
    if (!operands.empty()) {
        const Result<int> typed = readNumber(operands[1], "VALUE", 0, 65535);
        if (!typed) {
            return usage(context, line, typed.error());
        }
        value = typed.value();
    }
    EventQueue queue;
    audio::MasterVolume volume(queue);
    if (!volume.hasVolumeControl()) {
        context.report("no master volume control (is the sound server running?)");
        return kFailure;
    }
    if (!value) {
        std::fprintf(context.out(), "%d\n", volume.getVolume().value_or(-1));
        return kSuccess;
    }
    volume.setVolume(*value);
    return kSuccess;
}

int runPlay(Context& context, Args& args) {
    const char* line = "play [--device INDEX] FILE...";
    const std::optional<std::string> deviceText = args.takeOption("--device");
    const auto files = args.operands();
    if (args.hasError() || files.empty()) {
        return usage(context, line, args.error());
    }
    const Result<std::optional<int>> device = readDeviceOption(deviceText);
    if (!device) {
        return usage(context, line, device.error());
    }
    CliPlayer player(context, device.value());
    CliPlayList list(player.host(), files, context.out(), context.err());
    player.host().setPlayList(&list);
    player.run(
        list, [&] { list.advance(1, true); }, [&] { return list.finished(); });
    player.host().setPlayList(nullptr);
    if (list.deviceFailed()) {
        player.hintWhenNoServer();
    }
    return list.failures() == 0 ? kSuccess : kFailure;
}

}  // namespace sonara::cli
