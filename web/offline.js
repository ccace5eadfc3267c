// Keeps the page for offline use through its service worker (service_worker.js): after one visit
// from localhost or over https, the page loads and plays with the network off.
export function keepForOffline() {
  if (!('serviceWorker' in navigator)) return;
  navigator.serviceWorker.register('service_worker.js').catch((error) => {
    console.warn(`The page will not work offline: ${error.message}`);
  });
}
