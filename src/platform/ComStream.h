#pragma once
// The COM stream interface (IStream), declared slot for slot and type for type as Windows declares it:
// an object implementing TComStream can be handed to GDI+ as an IStream on Windows, and the POSIX
// GDI+ binding reads images through the same contract. The result codes are Windows' own values.
#include <cstdint>

using TComResult = int32_t; // HRESULT

#ifndef S_OK
#define S_OK static_cast<TComResult>(0)
#define S_FALSE static_cast<TComResult>(1)
#define E_NOTIMPL static_cast<TComResult>(0x80004001u)
#define E_NOINTERFACE static_cast<TComResult>(0x80004002u)
#define E_POINTER static_cast<TComResult>(0x80004003u)
#define E_FAIL static_cast<TComResult>(0x80004005u)
#define E_UNEXPECTED static_cast<TComResult>(0x8000FFFFu)
#define STG_E_INVALIDFUNCTION static_cast<TComResult>(0x80030001u)
#define STG_E_INVALIDPOINTER static_cast<TComResult>(0x80030009u)
#define STG_E_REVERTED static_cast<TComResult>(0x80030102u)
#define STG_E_CANTSAVE static_cast<TComResult>(0x80030103u)
#endif

constexpr uint32_t kStgTyStream = 2; // STGTY_STREAM
constexpr uint32_t kLockWrite = 1;   // LOCK_WRITE

struct TComGuid {
    uint32_t Data1{0};
    uint16_t Data2{0};
    uint16_t Data3{0};
    uint8_t Data4[8]{};
};

// STATSTG: the status record of a stream.
struct TComStatStg {
    char16_t* pwcsName;
    uint32_t type;
    uint64_t cbSize;
    uint32_t mtime[2];
    uint32_t ctime[2];
    uint32_t atime[2];
    uint32_t grfMode;
    uint32_t grfLocksSupported;
    TComGuid clsid;
    uint32_t grfStateBits;
    uint32_t reserved;
};

class TComStream {
public:
    // IUnknown
    virtual TComResult QueryInterface(const TComGuid& Iid, void** Object) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;
    // ISequentialStream
    virtual TComResult Read(void* Buffer, uint32_t Count, uint32_t* ReadCount) = 0;
    virtual TComResult Write(const void* Buffer, uint32_t Count, uint32_t* Written) = 0;
    // IStream
    virtual TComResult Seek(int64_t Move, uint32_t Origin, uint64_t* NewPosition) = 0;
    virtual TComResult SetSize(uint64_t NewSize) = 0;
    virtual TComResult CopyTo(TComStream* Target, uint64_t Count, uint64_t* ReadCount, uint64_t* Written) = 0;
    virtual TComResult Commit(uint32_t Flags) = 0;
    virtual TComResult Revert() = 0;
    virtual TComResult LockRegion(uint64_t Offset, uint64_t Count, uint32_t LockType) = 0;
    virtual TComResult UnlockRegion(uint64_t Offset, uint64_t Count, uint32_t LockType) = 0;
    virtual TComResult Stat(TComStatStg* Record, uint32_t Flags) = 0;
    virtual TComResult Clone(TComStream** Stream) = 0;

protected:
    ~TComStream() = default; // released through Release only
};

// The interface identifiers a stream answers to.
bool IsStreamInterface(const TComGuid& Iid);

// Releases a COM stream when it goes out of scope.
struct TComStreamRelease {
    void operator()(TComStream* Stream) const {
        if (Stream) Stream->Release();
    }
};

// A COM stream over a movable global memory block of Size bytes that releases the block when the stream
// is released: on Windows CreateStreamOnHGlobal over GlobalAlloc(GMEM_MOVEABLE), elsewhere plain
// memory with the same contract.
enum class TImageStreamResult { Ok, NoMemory, NoStream };
TImageStreamResult CreateImageStream(uint64_t Size, TComStream** Stream);
