// The engine for Node: its WebAssembly is read from beside this file.
import { readFile } from 'node:fs/promises';
import createEngineModule from './vrc_engine.js';
import { engineCalls } from './calculate.js';

const wasmBinary = await readFile(new URL('./vrc_engine.wasm', import.meta.url));

export const { calculate } = engineCalls(await createEngineModule({ wasmBinary }));
