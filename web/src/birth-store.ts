// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The births book kept in this browser's own storage (IndexedDB), on this device only: one record, the
// book's whole state as the core gives it (a JSON text).
import { kBirthsDatabase } from './storage-keys';

const storeName = 'books';
const key = 'book';

function database(): Promise<IDBDatabase> {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(kBirthsDatabase, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(storeName);
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

async function transact<T>(mode: IDBTransactionMode, work: (store: IDBObjectStore) => IDBRequest<T>): Promise<T> {
  const db = await database();
  try {
    return await new Promise<T>((resolve, reject) => {
      const transaction = db.transaction(storeName, mode);
      const request = work(transaction.objectStore(storeName));
      transaction.oncomplete = () => resolve(request.result);
      transaction.onerror = () => reject(transaction.error);
      transaction.onabort = () => reject(transaction.error);
    });
  } finally {
    db.close();
  }
}

export async function loadBook(): Promise<string | undefined> {
  const state: unknown = await transact('readonly', (store) => store.get(key));
  return typeof state === 'string' ? state : undefined;
}

export async function keepBook(state: string): Promise<void> {
  await transact('readwrite', (store) => store.put(state, key));
}

export async function forgetBook(): Promise<void> {
  await transact('readwrite', (store) => store.delete(key));
}
