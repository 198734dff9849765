// The entry points of the video module, found by name when it is loaded.
#pragma once

class ReplayEncoder;

extern "C" {
/// A new MP4 encoder, owned by the caller.
ReplayEncoder *draftbay_mp4_create_encoder();
/// The name of the video encoder it uses, or null when the installed FFmpeg has none.
const char *draftbay_mp4_encoder_name();
}

/// The module's file name without the platform's prefix and suffix.
inline constexpr char kMp4ModuleName[] = "draftbay-mp4";
/// The environment variable naming a folder to look for the module in before the others.
inline constexpr char kModuleFolderVariable[] = "DRAFTBAY_MODULE_DIR";
