// Keeps the site's files for use offline. The cache is named after a hash of
// the files (version.js, written by the build), so a new build fills a new
// cache and removes the old one.
'use strict';
importScripts('version.js');

const cacheName = 'orvanta-' + self.orvantaVersion;

self.addEventListener('install', function (event) {
    event.waitUntil(caches.open(cacheName).then(function (cache) {
        return cache.addAll(self.orvantaFiles);
    }).then(function () { return self.skipWaiting(); }));
});

self.addEventListener('activate', function (event) {
    event.waitUntil(caches.keys().then(function (names) {
        return Promise.all(names.filter(function (name) {
            return name.startsWith('orvanta-') && name !== cacheName;
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
