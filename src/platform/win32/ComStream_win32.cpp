// The memory stream GDI+ decodes a picture from: a COM stream over a movable global memory block.
#include <windows.h>
#include <objidl.h>
#include <cstddef>

#include "platform/ComStream.h"

// TComStream is handed to GDI+ as an IStream: the record types must match Windows' to the byte.
static_assert(sizeof(TComStatStg) == sizeof(STATSTG));
static_assert(offsetof(TComStatStg, cbSize) == offsetof(STATSTG, cbSize));
static_assert(offsetof(TComStatStg, grfMode) == offsetof(STATSTG, grfMode));
static_assert(offsetof(TComStatStg, clsid) == offsetof(STATSTG, clsid));
static_assert(offsetof(TComStatStg, grfStateBits) == offsetof(STATSTG, grfStateBits));
static_assert(sizeof(TComGuid) == sizeof(GUID));
static_assert(S_OK == 0 && STG_E_INVALIDPOINTER == static_cast<HRESULT>(0x80030009L));

TImageStreamResult CreateImageStream(uint64_t Size, TComStream** Stream) {
    *Stream = nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(Size));
    if (!block) return TImageStreamResult::NoMemory;
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(block, TRUE, &stream) != S_OK || !stream) {
        GlobalFree(block);
        return TImageStreamResult::NoStream;
    }
    *Stream = reinterpret_cast<TComStream*>(stream);
    return TImageStreamResult::Ok;
}
