#pragma once
// Exposes a framework stream as a COM stream (IStream), so GDI+ can read a picture from it.
#include <atomic>

#include "framework/Classes.h"
#include "platform/ComStream.h"

// Does not own the wrapped stream: the caller frees it after the adapter's last user has released it.
// Created with one reference; Release frees it at zero. The wrapped stream's own errors become the
// result codes of each operation; nothing raises.
class TStreamAdapter : public TComStream {
public:
    explicit TStreamAdapter(TStream* Stream) : FStream(Stream) {}

    TComResult QueryInterface(const TComGuid& Iid, void** Object) override;
    uint32_t AddRef() override;
    uint32_t Release() override;
    TComResult Read(void* Buffer, uint32_t Count, uint32_t* ReadCount) override;
    TComResult Write(const void* Buffer, uint32_t Count, uint32_t* Written) override;
    TComResult Seek(int64_t Move, uint32_t Origin, uint64_t* NewPosition) override;
    TComResult SetSize(uint64_t NewSize) override;
    TComResult CopyTo(TComStream* Target, uint64_t Count, uint64_t* ReadCount, uint64_t* Written) override;
    TComResult Commit(uint32_t Flags) override;
    TComResult Revert() override;
    TComResult LockRegion(uint64_t Offset, uint64_t Count, uint32_t LockType) override;
    TComResult UnlockRegion(uint64_t Offset, uint64_t Count, uint32_t LockType) override;
    // Fills the record (type, size, lock kinds, zero times); the name is left as it was.
    TComResult Stat(TComStatStg* Record, uint32_t Flags) override;
    TComResult Clone(TComStream** Stream) override;

    TStream* Stream() const { return FStream; }

protected:
    virtual ~TStreamAdapter() = default;

private:
    TStream* FStream;
    std::atomic<uint32_t> FRefs{1};
};
