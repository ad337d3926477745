#include "wav_writer.h"

#include "byte_buffer.h"

namespace assetgen {

std::vector<unsigned char> EncodeWav(int sample_rate, const std::vector<std::int16_t>& samples) {
  const std::uint32_t data_size = static_cast<std::uint32_t>(samples.size() * 2);
  ByteBuffer out;
  out.Bytes("RIFF");
  out.U32(36 + data_size);
  out.Bytes("WAVE");
  out.Bytes("fmt ");
  out.U32(16);
  out.U16(1);  // PCM
  out.U16(1);  // mono
  out.U32(static_cast<std::uint32_t>(sample_rate));
  out.U32(static_cast<std::uint32_t>(sample_rate) * 2);
  out.U16(2);
  out.U16(16);
  out.Bytes("data");
  out.U32(data_size);
  for (std::int16_t s : samples) out.U16(static_cast<std::uint16_t>(s));
  return out.data;
}

}  // namespace assetgen
