#pragma once
// The middleware SDK's interfaces as the library declares them: tables of operations in a
// fixed slot order, called with the object as first argument. The order is the contract
// between the library and ztsdk.dll; new operations only ever go at the end. No virtual
// destructor: it would take slots. Objects free themselves on their last Release. An SDK object is
// used by one thread at a time.
#include <cstdint>

namespace ruzi {

class IF2UnPacker;

// Slots 0 to 2 of every interface.
class IRefCounted {
 public:
  // 0 and the object (referenced once more) for a known interface id, else E_NOINTERFACE.
  virtual int32_t QueryInterface(const void* interface_id, void** object) = 0;  // 0
  virtual uint32_t AddRef() = 0;                                                  // 1
  virtual uint32_t Release() = 0;                                                 // 2

 protected:
  ~IRefCounted() = default;
};

// Put and define operations answer 0, or -1 when refused (ErrorText tells why).
class IF2Packer : public IRefCounted {
 public:
  virtual void Reserve(int32_t bytes) = 0;                                                     // 3
  virtual void StartPack() = 0;                                                                // 4
  virtual int32_t Version() = 0;                                                               // 5
  virtual int32_t DefineField(const char* name, char type, int32_t width, int32_t scale) = 0;  // 6
  virtual int32_t PutStr(const char* value) = 0;                                               // 7
  virtual int32_t PutInt(int32_t value) = 0;                                                   // 8
  virtual int32_t PutDouble(double value) = 0;                                                 // 9
  virtual int32_t PutChar(char value) = 0;                                                     // 10
  virtual int32_t PutRaw(const void* data, int32_t length) = 0;                                // 11
  virtual void FinishPack() = 0;                                                               // 12
  virtual void* PackBuffer() = 0;                                                              // 13
  virtual int32_t PackLength() = 0;                                                            // 14
  virtual int32_t BufferCapacity() = 0;                                                        // 15
  virtual void SetReturnCode(int32_t code) = 0;                                                // 16
  virtual const char* ErrorText() = 0;                                                         // 17
  // A reader over this packet, owned by the packer (not to be released by the caller).
  virtual IF2UnPacker* OpenAsReader() = 0;                                                     // 18
  // Frees the packet buffer when `buffer` is it; anything else is ignored.
  virtual void ReleaseBuffer(void* buffer) = 0;                                                // 19

 protected:
  ~IF2Packer() = default;
};

// A cursor over the rows; values of the current row by field name or column. Text results
// stay valid while the reader lives (in-place texts) or until its next conversion.
class IF2UnPacker : public IRefCounted {
 public:
  virtual int32_t Version() = 0;                                          // 3
  virtual int32_t FieldCount() = 0;                                       // 4
  virtual const char* FieldName(int32_t column) = 0;                      // 5
  virtual char FieldType(int32_t column) = 0;                             // 6
  virtual int32_t FieldWidth(int32_t column) = 0;                         // 7
  virtual int32_t FieldScale(int32_t column) = 0;                         // 8
  virtual int32_t FieldIndex(const char* name) = 0;                       // 9
  virtual const char* StrByName(const char* name) = 0;                    // 10
  virtual const char* StrAt(int32_t column) = 0;                          // 11
  virtual char CharByName(const char* name) = 0;                          // 12
  virtual char CharAt(int32_t column) = 0;                                // 13
  virtual double DoubleByName(const char* name) = 0;                      // 14
  virtual double DoubleAt(int32_t column) = 0;                            // 15
  virtual int32_t IntByName(const char* name) = 0;                        // 16
  virtual int32_t IntAt(int32_t column) = 0;                              // 17
  virtual const void* RawByName(const char* name, int32_t* length) = 0;   // 18
  virtual const void* RawAt(int32_t column, int32_t* length) = 0;         // 19
  virtual void NextRow() = 0;                                             // 20
  virtual int32_t IsEof() = 0;                                            // 21
  virtual int32_t GoToRow(int32_t row) = 0;                               // 22
  virtual int32_t CurrentRow() = 0;                                       // 23
  virtual void PriorRow() = 0;                                            // 24
  virtual void GoLast() = 0;                                              // 25
  virtual int32_t IsBof() = 0;                                            // 26
  virtual int32_t ReturnCode() = 0;                                       // 27
  virtual int32_t ValueLengthAt(int32_t column) = 0;                      // 28
  virtual void* ReaderBuffer() = 0;                                       // 29
  virtual int32_t ReaderLength() = 0;                                     // 30
  virtual int32_t RowCount() = 0;                                         // 31
  virtual void GoFirst() = 0;                                             // 32

 protected:
  ~IF2UnPacker() = default;
};


// Interfaces whose factories the library forwards but whose operations it never calls: only
// the three base slots are declared.
#define RUZI_SDK_OPAQUE_INTERFACE(Name) \
  class Name : public IRefCounted {     \
   protected:                           \
    ~Name() = default;                  \
  };
RUZI_SDK_OPAQUE_INTERFACE(IF2ResultSet)
RUZI_SDK_OPAQUE_INTERFACE(IESBMessage)
RUZI_SDK_OPAQUE_INTERFACE(ITagItem)
RUZI_SDK_OPAQUE_INTERFACE(IConnectionInterface)
RUZI_SDK_OPAQUE_INTERFACE(IConfigInterface)
RUZI_SDK_OPAQUE_INTERFACE(ICallbackInterface)
RUZI_SDK_OPAQUE_INTERFACE(IYJGMParam)
RUZI_SDK_OPAQUE_INTERFACE(CFilterInterface)
RUZI_SDK_OPAQUE_INTERFACE(CSubscribeParamInterface)
RUZI_SDK_OPAQUE_INTERFACE(CSubscribeInterface)
RUZI_SDK_OPAQUE_INTERFACE(CPublishInterface)
RUZI_SDK_OPAQUE_INTERFACE(CSubCallbackInterface)
RUZI_SDK_OPAQUE_INTERFACE(CFileUpdateInterface)
RUZI_SDK_OPAQUE_INTERFACE(CFileUpdateCallbackInterface)
#undef RUZI_SDK_OPAQUE_INTERFACE

// Delivery guarantee of a subscription; its values are the SDK's.
enum ReliableLevel : int32_t {};

}  // namespace ruzi
