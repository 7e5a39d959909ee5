#include "connection/threadleitura.h"

// Placeholder until the polling thread lands.
ThreadLeitura::ThreadLeitura(MainWindow* ownerWindow)
    : owner(ownerWindow)
{
}

ThreadLeitura::~ThreadLeitura() = default;

void ThreadLeitura::run() { }
