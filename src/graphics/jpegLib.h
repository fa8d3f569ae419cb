#pragma once
// The glue between the JPEG picture and libjpeg: the replacement error manager, which leaves the
// library's C frames by longjmp so that only our own frame raises; a source over the stored bytes; a
// destination that writes into a memory stream.
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <exception>

#include <jerror.h>
#include <jpeglib.h>

#include "framework/Classes.h"

// Every decoder and encoder gets its own. cinfo->client_data points to it.
struct TJpegErrorManager {
    jpeg_error_mgr Pub{};
    std::jmp_buf Jump{};
    // An exception raised by our own code inside a library callback, carried past the C frames.
    std::exception_ptr Pending;
};

// Fills the manager: errors jump back to the guarded call, warnings and messages are ignored.
void InitErrorManager(TJpegErrorManager& Err);

// Runs Step(Arg) with the error exit landing here. True when Step ran to its end; false when the library
// (or a callback) jumped out, with the library's message code in Err.Pub.msg_code.
bool RunGuarded(TJpegErrorManager& Err, void (*Step)(void*), void* Arg);

// Runs our own code inside a library callback: an exception is kept in the manager (false returned),
// and the callback then leaves the library with JumpOut. Nothing may be thrown through C frames.
template <typename F>
bool KeepFailure(j_common_ptr Info, F&& Code) {
    try {
        Code();
        return true;
    } catch (...) {
        static_cast<TJpegErrorManager*>(Info->client_data)->Pending = std::current_exception();
        return false;
    }
}
// Jumps back to the guarded call from a callback.
[[noreturn]] void JumpOut(j_common_ptr Info);

// Raises EJPEG with the library's message code, or the exception a callback kept.
[[noreturn]] void RaiseLibraryFailure(TJpegErrorManager& Err);

// Runs Step (a lambda calling the library; it must hold nothing with a destructor) and turns a library
// failure into EJPEG, or re-raises the exception a callback kept.
template <typename F>
void Guarded(TJpegErrorManager& Err, F&& Step) {
    auto trampoline = [](void* p) { (*static_cast<F*>(p))(); };
    if (RunGuarded(Err, trampoline, &Step)) return;
    RaiseLibraryFailure(Err);
}

// Feeds Size bytes from Data; when they run out, a warning and an end-of-image marker follow.
void SetMemorySource(j_decompress_ptr Info, jpeg_source_mgr& Source, const uint8_t* Data, size_t Size);

// Collects the coded bytes in Stream, 4096 at a time.
struct TJpegDestination {
    jpeg_destination_mgr Pub{};
    TMemoryStream* Stream{nullptr};
    JOCTET Buffer[4096]{};
};
void SetStreamDestination(j_compress_ptr Info, TJpegDestination& Destination, TMemoryStream& Stream);
