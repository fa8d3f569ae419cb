#include "framework/StreamAdapter.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <vector>

namespace {
constexpr uint64_t kCopyChunk = 0x100000; // one buffer of at most 1 MiB
}

TComResult TStreamAdapter::QueryInterface(const TComGuid& Iid, void** Object) {
    if (!Object) return E_POINTER;
    *Object = IsStreamInterface(Iid) ? static_cast<TComStream*>(this) : nullptr;
    if (!*Object) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

uint32_t TStreamAdapter::AddRef() { return ++FRefs; }

uint32_t TStreamAdapter::Release() {
    const uint32_t left = --FRefs;
    if (left == 0) delete this;
    return left;
}

TComResult TStreamAdapter::Read(void* Buffer, uint32_t Count, uint32_t* ReadCount) {
    if (!Buffer) return STG_E_INVALIDPOINTER;
    try {
        const int64_t n = FStream->Read(Buffer, Count);
        if (ReadCount) *ReadCount = static_cast<uint32_t>(n);
        return S_OK;
    } catch (const std::exception&) {
        return S_FALSE;
    }
}

TComResult TStreamAdapter::Write(const void* Buffer, uint32_t Count, uint32_t* Written) {
    if (!Buffer) return STG_E_INVALIDPOINTER;
    try {
        const int64_t n = FStream->Write(Buffer, Count);
        if (Written) *Written = static_cast<uint32_t>(n);
        return S_OK;
    } catch (const std::exception&) {
        return STG_E_CANTSAVE;
    }
}

TComResult TStreamAdapter::Seek(int64_t Move, uint32_t Origin, uint64_t* NewPosition) {
    if (Origin > 2) return STG_E_INVALIDFUNCTION;
    try {
        // The wrapped stream moves by the low 32 bits of the move, as a signed number.
        const int64_t pos = FStream->Seek(static_cast<int32_t>(static_cast<uint32_t>(Move)),
                                          static_cast<TSeekOrigin>(Origin));
        if (NewPosition) *NewPosition = static_cast<uint64_t>(pos);
        return S_OK;
    } catch (const std::exception&) {
        return STG_E_INVALIDPOINTER;
    }
}

TComResult TStreamAdapter::SetSize(uint64_t NewSize) {
    // A size no stream can have is refused before it reaches the stream, which would take it as negative.
    if (NewSize > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) return STG_E_INVALIDFUNCTION;
    try {
        FStream->SetSize(static_cast<int64_t>(NewSize));
        return FStream->Size() == static_cast<int64_t>(NewSize) ? S_OK : E_FAIL;
    } catch (const std::exception&) {
        return E_UNEXPECTED;
    }
}

TComResult TStreamAdapter::CopyTo(TComStream* Target, uint64_t Count, uint64_t* ReadCount, uint64_t* Written) {
    if (!Target) return STG_E_INVALIDPOINTER;
    uint64_t totalRead = 0, totalWritten = 0;
    TComResult result = S_OK;
    try {
        std::vector<uint8_t> buffer(static_cast<size_t>(std::min(Count, kCopyChunk)));
        while (Count > 0 && !buffer.empty()) {
            const auto chunk = static_cast<uint32_t>(std::min<uint64_t>(Count, buffer.size()));
            const int64_t got = FStream->Read(buffer.data(), chunk);
            if (got <= 0) break;
            totalRead += static_cast<uint64_t>(got);
            uint32_t put = 0;
            result = Target->Write(buffer.data(), static_cast<uint32_t>(got), &put);
            totalWritten += put;
            if (result != S_OK) break;
            if (put < got) {
                result = E_FAIL;
                break;
            }
            Count -= static_cast<uint64_t>(got);
        }
    } catch (const std::exception&) {
        result = E_UNEXPECTED;
    }
    if (ReadCount) *ReadCount = totalRead;
    if (Written) *Written = totalWritten;
    return result;
}

TComResult TStreamAdapter::Commit(uint32_t) { return S_OK; }
TComResult TStreamAdapter::Revert() { return STG_E_REVERTED; }
TComResult TStreamAdapter::LockRegion(uint64_t, uint64_t, uint32_t) { return STG_E_INVALIDFUNCTION; }
TComResult TStreamAdapter::UnlockRegion(uint64_t, uint64_t, uint32_t) { return STG_E_INVALIDFUNCTION; }

TComResult TStreamAdapter::Stat(TComStatStg* Record, uint32_t) {
    try {
        if (!Record) return S_OK;
        Record->type = kStgTyStream;
        Record->cbSize = static_cast<uint64_t>(FStream->Size());
        for (auto* time : {Record->mtime, Record->ctime, Record->atime}) time[0] = time[1] = 0;
        Record->grfLocksSupported = kLockWrite;
        return S_OK;
    } catch (const std::exception&) {
        return E_UNEXPECTED;
    }
}

TComResult TStreamAdapter::Clone(TComStream** Stream) {
    if (Stream) *Stream = nullptr;
    return E_NOTIMPL;
}
