// The message list: AddHead (which stores a copy) and a full walk.
#include "bench/bench_data.h"
#include "qodata/data_factory.h"
#include "qodata/message_list.h"

namespace bench {
namespace {

IMessageList* NewMessageList() {
  CDataFactory factory;
  IDataContainer* made = nullptr;
  factory.CreateInstance(CONTAINER_MESSAGE_LIST, &made);
  return static_cast<IMessageList*>(made);
}

// AddHead of 1,000 messages into an empty list; the list is cleared between iterations.
void MessageList_AddHead(benchmark::State& state) {
  CMessage message;
  FillMessage(message);
  IMessageList* list = NewMessageList();
  const int count = 1000;
  for (auto _ : state) {
    for (int k = 0; k < count; ++k) list->AddHead(static_cast<IMessage*>(&message));
    state.PauseTiming();
    list->clear();
    state.ResumeTiming();
  }
  list->Release();
  SetOpsPerIteration(state, count);
}
BENCHMARK(MessageList_AddHead);

// A walk from head to tail over 1,000 messages, reading each one's status.
void MessageList_Walk(benchmark::State& state) {
  CMessage message;
  FillMessage(message);
  IMessageList* list = NewMessageList();
  const int count = 1000;
  for (int k = 0; k < count; ++k) list->AddHead(static_cast<IMessage*>(&message));
  for (auto _ : state) {
    std::size_t total = 0;
    POSITION at = list->GetHeadPosition();
    while (IMessage* item = list->GetNext(at)) total += static_cast<std::size_t>(item->getStatus());
    benchmark::DoNotOptimize(total);
  }
  list->Release();
  SetOpsPerIteration(state, count);
}
BENCHMARK(MessageList_Walk);

}  // namespace
}  // namespace bench
