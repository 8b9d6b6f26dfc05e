#include "platform/MtpHandles.h"

#include <mutex>

namespace sonara::platform {

void initMtpOnce() {
    static std::once_flag started;
    std::call_once(started, [] { LIBMTP_Init(); });
}

void MtpFileListRelease::operator()(LIBMTP_file_t* file) const {
    while (file != nullptr) {
        LIBMTP_file_t* next = file->next;
        LIBMTP_destroy_file_t(file);
        file = next;
    }
}

LIBMTP_filetype_t libmtpType(MtpAudioType type) {
    switch (type) {
        case MtpAudioType::Mp3:
            return LIBMTP_FILETYPE_MP3;
        case MtpAudioType::Mp2:
            return LIBMTP_FILETYPE_MP2;
        case MtpAudioType::Wav:
            return LIBMTP_FILETYPE_WAV;
        case MtpAudioType::Wma:
            return LIBMTP_FILETYPE_WMA;
        case MtpAudioType::Ogg:
            return LIBMTP_FILETYPE_OGG;
        case MtpAudioType::Flac:
            return LIBMTP_FILETYPE_FLAC;
        case MtpAudioType::Aac:
            return LIBMTP_FILETYPE_AAC;
        case MtpAudioType::M4a:
            return LIBMTP_FILETYPE_M4A;
        case MtpAudioType::Unknown:
            break;
    }
    return LIBMTP_FILETYPE_UNKNOWN;
}

// Called from inside libmtp, a C library: nothing may escape.
int reportSendProgress(std::uint64_t const sent, std::uint64_t const total, void const* data) {
    auto* watch = static_cast<MtpSendWatch*>(const_cast<void*>(data));
    try {
        if (*watch->progress && !(*watch->progress)(sent, total)) {
            watch->cancelled = true;
        }
    } catch (...) {
        watch->threw = true;
    }
    return watch->cancelled || watch->threw ? 1 : 0;
}

std::string takeString(char* text) {
    MtpString owned(text);
    return owned ? std::string(owned.get()) : std::string();
}

std::vector<MtpObject> objectsOf(const LIBMTP_file_t* list) {
    std::vector<MtpObject> objects;
    for (const LIBMTP_file_t* file = list; file != nullptr; file = file->next) {
        MtpObject object;
        object.id = file->item_id;
        object.parent = file->parent_id;
        object.storage = file->storage_id;
        object.name = file->filename != nullptr ? file->filename : "";
        object.bytes = file->filesize;
        object.folder = file->filetype == LIBMTP_FILETYPE_FOLDER;
        objects.push_back(std::move(object));
    }
    return objects;
}

MtpErrors takeErrors(LIBMTP_mtpdevice_t* device) {
    MtpErrors errors;
    for (const LIBMTP_error_t* error = LIBMTP_Get_Errorstack(device); error != nullptr;
         error = error->next) {
        switch (error->errornumber) {
            case LIBMTP_ERROR_NO_DEVICE_ATTACHED:
                errors.noDevice = true;
                break;
            case LIBMTP_ERROR_STORAGE_FULL:
                errors.storageFull = true;
                break;
            case LIBMTP_ERROR_CANCELLED:
                errors.cancelled = true;
                break;
            default:
                break;
        }
        if (error->error_text != nullptr && *error->error_text != '\0') {
            if (!errors.text.empty()) {
                errors.text += "; ";
            }
            errors.text += error->error_text;
        }
    }
    LIBMTP_Clear_Errorstack(device);
    return errors;
}

}  // namespace sonara::platform
