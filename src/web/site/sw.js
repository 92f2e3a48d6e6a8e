// Keeps the site's files for use offline. Its cache is named after where
// the site is served from and after a hash of its files (version.js, written
// by the build): a new release fills a new cache and removes this
// deployment's old one, and another deployment on the same origin keeps its
// own. Each file is checked with the server as the cache fills, so an old
// file in the HTTP cache never joins a new release.
'use strict';
importScripts('version.js');

const deployment = 'orvanta ' + self.registration.scope + ' ';
const cacheName = deployment + self.orvantaVersion;

self.addEventListener('install', function (event) {
    event.waitUntil(caches.open(cacheName).then(function (cache) {
        return cache.addAll(self.orvantaFiles.map(function (file) {
            return new Request(file, {cache: 'no-cache'});
        }));
    }).then(function () { return self.skipWaiting(); }));
});

self.addEventListener('activate', function (event) {
    event.waitUntil(caches.keys().then(function (names) {
        return Promise.all(names.filter(function (name) {
            return name.startsWith(deployment) && name !== cacheName;
        }).map(function (name) { return caches.delete(name); }));
    }).then(function () { return self.clients.claim(); }));
});

self.addEventListener('fetch', function (event) {
    if (event.request.method !== 'GET')
        return;
    event.respondWith(caches.open(cacheName).then(function (cache) {
        return cache.match(event.request, {ignoreSearch: true}).then(function (hit) {
            return hit || fetch(event.request);
        });
    }));
});
