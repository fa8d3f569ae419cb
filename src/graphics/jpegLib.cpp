#include "graphics/jpegLib.h"

#include <cstring>

#include "graphics/jpegError.h"

namespace {
TJpegErrorManager& ManagerOf(j_common_ptr Info) { return *static_cast<TJpegErrorManager*>(Info->client_data); }

// The library must not return from here; we go back to the guarded call.
[[noreturn]] void ErrorExit(j_common_ptr Info) { std::longjmp(ManagerOf(Info).Jump, 1); }

void EmitMessage(j_common_ptr, int) {}
void OutputMessage(j_common_ptr) {}
void FormatMessage(j_common_ptr, char* Buffer) { Buffer[0] = '\0'; }

void ResetErrorManager(j_common_ptr Info) {
    Info->err->num_warnings = 0;
    Info->err->msg_code = 0;
}
} // namespace

void InitErrorManager(TJpegErrorManager& Err) {
    jpeg_std_error(&Err.Pub);
    Err.Pub.error_exit = ErrorExit;
    Err.Pub.emit_message = EmitMessage;
    Err.Pub.output_message = OutputMessage;
    Err.Pub.format_message = FormatMessage;
    Err.Pub.reset_error_mgr = ResetErrorManager;
    Err.Pub.jpeg_message_table = nullptr;
    Err.Pub.last_jpeg_message = 0;
    Err.Pending = nullptr;
}

bool RunGuarded(TJpegErrorManager& Err, void (*Step)(void*), void* Arg) {
    if (setjmp(Err.Jump) != 0) return false;
    Step(Arg);
    return true;
}

void JumpOut(j_common_ptr Info) { std::longjmp(ManagerOf(Info).Jump, 1); }

void RaiseLibraryFailure(TJpegErrorManager& Err) {
    if (Err.Pending) {
        std::exception_ptr failure = std::move(Err.Pending);
        Err.Pending = nullptr;
        std::rethrow_exception(failure);
    }
    throw EJPEG(Err.Pub.msg_code);
}

namespace {
const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

void InitSource(j_decompress_ptr) {}

// The data ran out: warn (ignored) and insert an end-of-image marker, as the stdio source does.
boolean FillInputBuffer(j_decompress_ptr Info) {
    WARNMS(Info, JWRN_JPEG_EOF);
    Info->src->next_input_byte = kEndOfImage;
    Info->src->bytes_in_buffer = 2;
    return TRUE;
}

void SkipInputData(j_decompress_ptr Info, long Count) {
    if (Count <= 0) return;
    while (Count > static_cast<long>(Info->src->bytes_in_buffer)) {
        Count -= static_cast<long>(Info->src->bytes_in_buffer);
        FillInputBuffer(Info);
    }
    Info->src->next_input_byte += Count;
    Info->src->bytes_in_buffer -= static_cast<size_t>(Count);
}

void TermSource(j_decompress_ptr) {}
} // namespace

void SetMemorySource(j_decompress_ptr Info, jpeg_source_mgr& Source, const uint8_t* Data, size_t Size) {
    Source.init_source = InitSource;
    Source.fill_input_buffer = FillInputBuffer;
    Source.skip_input_data = SkipInputData;
    Source.resync_to_restart = jpeg_resync_to_restart;
    Source.term_source = TermSource;
    Source.next_input_byte = Data;
    Source.bytes_in_buffer = Size;
    Info->src = &Source;
}

namespace {
TJpegDestination& DestinationOf(j_compress_ptr Info) { return *reinterpret_cast<TJpegDestination*>(Info->dest); }

void InitDestination(j_compress_ptr Info) {
    TJpegDestination& d = DestinationOf(Info);
    d.Pub.next_output_byte = d.Buffer;
    d.Pub.free_in_buffer = sizeof d.Buffer;
}

// Writes Count bytes of the buffer; a stream failure leaves the library through the error path.
void Flush(j_compress_ptr Info, size_t Count) {
    TJpegDestination& d = DestinationOf(Info);
    auto common = reinterpret_cast<j_common_ptr>(Info);
    if (!KeepFailure(common, [&] { d.Stream->WriteBuffer(d.Buffer, static_cast<int64_t>(Count)); })) JumpOut(common);
}

boolean EmptyOutputBuffer(j_compress_ptr Info) {
    Flush(Info, sizeof DestinationOf(Info).Buffer);
    InitDestination(Info);
    return TRUE;
}

void TermDestination(j_compress_ptr Info) {
    TJpegDestination& d = DestinationOf(Info);
    Flush(Info, sizeof d.Buffer - d.Pub.free_in_buffer);
}
} // namespace

void SetStreamDestination(j_compress_ptr Info, TJpegDestination& Destination, TMemoryStream& Stream) {
    static_assert(offsetof(TJpegDestination, Pub) == 0);
    Destination.Pub.init_destination = InitDestination;
    Destination.Pub.empty_output_buffer = EmptyOutputBuffer;
    Destination.Pub.term_destination = TermDestination;
    Destination.Stream = &Stream;
    Info->dest = &Destination.Pub;
}
