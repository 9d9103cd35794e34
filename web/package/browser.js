// The engine for browsers: bundlers see the WebAssembly's address below and ship the file.
import createEngineModule from './vrc_engine.js';
import { engineCalls } from './calculate.js';

const response = await fetch(new URL('./vrc_engine.wasm', import.meta.url));
if (!response.ok) {
    throw new Error(`vrc_engine.wasm: ${response.status} ${response.statusText}`);
}
const wasmBinary = await response.arrayBuffer();

export const { calculate } = engineCalls(await createEngineModule({ wasmBinary }));
