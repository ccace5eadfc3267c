// Keeps the page playable offline: every file of the site is stored at the first visit, and each
// request goes to the network first (revalidating any copy in the browser's HTTP cache, so that a
// new version is seen at once) and falls back to the stored copy when the network is not there.
const Store = 'orvane-site';
const SiteFiles = [
  './',
  'index.html',
  'style.css',
  'manifest.json',
  'icon.svg',
  'icon-192.png',
  'icon-512.png',
  'analysis.js',
  'analysis_panel.js',
  'analysis_words.js',
  'announcer.js',
  'app.js',
  'board_editor.js',
  'board_overlays.js',
  'board_picture.js',
  'board_view.js',
  'brain_client.js',
  'brain_questions.js',
  'comment_editor.js',
  'coordinates.js',
  'downloads.js',
  'forbidden_cells.js',
  'game.js',
  'levels.js',
  'library.js',
  'library_view.js',
  'move_comments.js',
  'move_list.js',
  'new_game_settings.js',
  'offline.js',
  'page_elements.js',
  'players.js',
  'record_actions.js',
  'records.js',
  'report.js',
  'report_marks.js',
  'report_panel.js',
  'review.js',
  'review_keys.js',
  'review_panel.js',
  'rule_picker.js',
  'rules.js',
  'self_play.js',
  'settings.js',
  'sgf.js',
  'status_text.js',
  'storage.js',
  'undo_history.js',
  'variations.js',
  'zoom.js',
  // The orvane package, which runs the brain in its worker.
  'engine/orvane.js',
  'engine/brain.js',
  'engine/worker_brain.js',
  'engine/worker.js',
  'engine/worker_service.js',
  'engine/browser_engine.js',
  'engine/browser_worker.js',
  'engine/engine_instance.js',
  'engine/engine_source.js',
  'engine/errors.js',
  'engine/public_errors.js',
  'engine/describe.js',
  'engine/game_options.js',
  'engine/game_outcome.js',
  'engine/game_position.js',
  'engine/position.js',
  'engine/outcome.js',
  'engine/game_questions.js',
  'engine/rule_judge.js',
  'engine/move_request.js',
  'engine/move_answer.js',
  'engine/search_report.js',
  'engine/engine.js',
  'engine/engine.wasm',
];

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(Store)
      .then((store) => store.addAll(SiteFiles))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(self.clients.claim());
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    fetch(request.mode === 'navigate' ? request : new Request(request, { cache: 'no-cache' }))
      .then((response) => {
        if (response.ok) {
          const copy = response.clone();
          event.waitUntil(caches.open(Store).then((store) => store.put(request, copy)));
        }
        return response;
      })
      .catch(async () => {
        const stored = await caches.match(request, { ignoreSearch: true });
        if (stored) return stored;
        throw new Error(`${request.url} is not stored for offline use`);
      }),
  );
});
