// Runs the brain away from the page, so that the page stays responsive while it thinks. Each
// message carries { id, commands }; the answer carries { id, replies }, one list of reply lines
// for every command, or { id, error } if the brain could not be loaded.
importScripts('brain.js');

const brainLoaded = createOrvaneBrain();

onmessage = async (event) => {
  const { id, commands } = event.data;
  try {
    const brain = await brainLoaded;
    postMessage({ id, replies: commands.map((command) => brain.command(command)) });
  } catch (error) {
    postMessage({ id, error: String(error) });
  }
};
